// The Qt side of the GL contexts, kept apart from the files that use GLEW (Qt's GL headers
// undefine GLEW's macros).
#pragma once

#include "render/ContextInfo.h"

bool HasCurrentGlContext();
// Takes the window's surface or makes the off-screen one, creates the context in the share
// group of the master context and makes it current; false (nothing kept) on failure.
bool CreateGlContext(ContextInfo& info);
// Deletes the GL context and, for a memory context, its off-screen surface.
void DestroyGlContext(ContextInfo& info);
void SwapGlBuffers(const ContextInfo& info);
// Qt's GL objects may only be deleted while the GUI application exists.
bool GuiAlive();
