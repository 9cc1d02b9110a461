// The window, surface and GL context of one render context, copied in and out by value.
#pragma once

#include <cstdint>

class QWindow;
class QSurface;
class CGlContext;

enum class ContextKind : std::int32_t {
    Window = 1,
    Memory = 2,
};

struct ContextInfo {
    QWindow* Window = nullptr;       // window drawn into (stored only, for a memory context)
    QSurface* Dc = nullptr;          // the surface made current: the window or an off-screen one
    CGlContext* GlContext = nullptr; // null when creation failed
    ContextKind Kind = ContextKind::Window;
    void* FontData = nullptr; // per-context fonts of a memory context
};
