// Making, using and releasing the GL context of a render context, kept apart from the files
// that use GLEW (Qt's GL headers undefine GLEW's macros). Window contexts and, with a display,
// memory contexts come from Qt; without a display memory contexts come from EGL.
#pragma once

#include "render/ContextInfo.h"

#include <functional>

bool HasCurrentGlContext();
// Takes the window's surface or makes the off-screen one, creates the context in the share
// group of the master context and makes it current; false (nothing kept) on failure.
bool CreateGlContext(ContextInfo& info);
// Deletes the GL context and, for a memory context, its off-screen surface.
void DestroyGlContext(ContextInfo& info);
bool MakeGlContextCurrent(const ContextInfo& info);
void SwapGlBuffers(const ContextInfo& info);
// The share group of the current context, the key of its fonts; null when none is current.
const void* CurrentShareGroup();
// Runs `forget` once `group` is gone (its lists and textures with it).
void WhenShareGroupDies(const void* group, std::function<void()> forget);
