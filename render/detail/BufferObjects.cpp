// GLEW's own return code is unreliable without GLX, so the entry points are checked instead.
#include <GL/glew.h>

#include "BufferObjects.h"

#include "GlContextOps.h"

#include <cstring>

void LoadGlEntryPoints() {
    static bool loaded = false;
    if (loaded || !HasCurrentGlContext())
        return;
    glewExperimental = GL_TRUE;
    glewInit();
    loaded = true;
}

bool HasExtension(const char* extensions, const char* name) {
    if (extensions == nullptr)
        return false;
    const std::size_t length = std::strlen(name);
    for (const char* p = std::strstr(extensions, name); p != nullptr; p = std::strstr(p + 1, name)) {
        const bool starts = p == extensions || p[-1] == ' ';
        const char end = p[length];
        if (starts && (end == ' ' || end == '\0'))
            return true;
    }
    return false;
}

bool BufferObjectsSupported() {
    static const bool supported = [] {
        if (!HasCurrentGlContext())
            return false;
        LoadGlEntryPoints();
        const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        return HasExtension(extensions, "GL_ARB_vertex_buffer_object") && glGenBuffersARB != nullptr &&
               glBindBufferARB != nullptr && glBufferDataARB != nullptr && glBufferSubDataARB != nullptr &&
               glDeleteBuffersARB != nullptr;
    }();
    return supported;
}
