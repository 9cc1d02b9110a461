// How the document classifies a path: by the text from its last "." on, without regard to case.
#pragma once

#include <string>

enum class DocFileKind { Ibw, OwnDocument, Other };

// Anything that is neither ".ibw" nor ".vtl" (also a path without a point) is Other, which the
// document hands to the wave reader like an IBW file.
DocFileKind ClassifyDocPath(const std::string& path);
