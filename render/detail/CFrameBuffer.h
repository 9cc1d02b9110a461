// The off-screen target of a memory context: a colour and a depth-stencil renderbuffer.
#pragma once

class CFrameBuffer {
public:
    CFrameBuffer() = default;
    CFrameBuffer(const CFrameBuffer&) = delete;
    CFrameBuffer& operator=(const CFrameBuffer&) = delete;
    virtual ~CFrameBuffer() = default;

    // Binds the target, (re)sized to width x height; false when it cannot be made.
    bool Bind(int width, int height);
    // Deletes the GL objects; the owning context must be current.
    void Release();

private:
    unsigned framebuffer = 0;
    unsigned colorBuffer = 0;
    unsigned depthBuffer = 0;
    int width = 0;
    int height = 0;
};
