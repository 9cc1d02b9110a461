// GLEW set-up and the once-per-process test for GL buffer objects.
#pragma once

// Loads the GL entry points once, with a context current.
void LoadGlEntryPoints();

// Whether "GL_ARB_vertex_buffer_object" is offered and its entry points are loaded. Decided at
// the first call: with no context current then, the answer stays no for the whole run.
bool BufferObjectsSupported();

// The whole-word test on an extension string.
bool HasExtension(const char* extensions, const char* name);
