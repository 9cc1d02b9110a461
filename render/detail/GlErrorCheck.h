// GL errors of a frame: debug builds look after each part of a frame and report the first error
// of the run with the part it showed up after; release builds ask nothing, as glGetError can
// stall a driver's pipeline.
#pragma once

#include <string>

// The first pending GL error as one line naming `place`, empty when there is none; every pending
// error is cleared.
std::string TakeGlError(const char* place);

#ifdef NDEBUG
inline void CheckFrameGlError(const char*) {}
#else
// The first error of the run goes to standard error; later ones are only cleared.
void CheckFrameGlError(const char* place);
#endif
