#include <GL/glew.h>

#include "GlErrorCheck.h"

#include <GL/glu.h>

#include <cstdio>

std::string TakeGlError(const char* place) {
    const GLenum first = glGetError();
    if (first == GL_NO_ERROR)
        return {};
    // A context without a current GL gives errors without end; a frame never has this many.
    for (int i = 0; i < 64 && glGetError() != GL_NO_ERROR; ++i) {
    }
    const auto* name = reinterpret_cast<const char*>(gluErrorString(first));
    char code[16];
    std::snprintf(code, sizeof code, "0x%04X", first);
    return std::string("GL error ") + code + " (" + (name != nullptr ? name : "unknown") + ") after " + place;
}

#ifndef NDEBUG
void CheckFrameGlError(const char* place) {
    static bool reported = false;
    const std::string error = TakeGlError(place);
    if (!error.empty() && !reported) {
        reported = true;
        std::fprintf(stderr, "render: %s\n", error.c_str());
    }
}
#endif
