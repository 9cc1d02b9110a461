// The plain words for a wave the viewer cannot show, or a file it cannot read: each is a clause
// that reads after "cannot show FILE: ", e.g. "it holds a force curve of 1261 points in 3 channels".
#pragma once

#include "ibw/IBWProblem.h"
#include "ibw/IBWWaveInfo.h"

#include <string>

// What a wave whose headers were read holds instead of an image; empty for a two- or
// three-dimensional numeric wave, which can be shown.
std::string UnshowableWaveText(const IBWWaveInfo& info, int trailerKind);

// What is wrong with a file a reader routine refused.
std::string ProblemText(IBWProblem problem);
