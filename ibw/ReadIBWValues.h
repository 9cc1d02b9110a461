// The data of a wave of any numeric type as the 32-bit floats the mesh is made of.
#pragma once

#include "ibw/IBWPrecisionLoss.h"
#include "ibw/IBWWaveInfo.h"

// Reads one float per point, counting in loss what the conversion changes. The data must lie
// inside the file and inside the header's wave size; text and complex waves are refused. Other
// types are read through a small reused slice, so the wave's own bytes are never held whole
// beside the floats.
int ReadIBWValues(IBWStream& file, const IBWWaveInfo& info, IBWBuffer* values, IBWPrecisionLoss* loss,
                  IBWProblem* problem = nullptr);
