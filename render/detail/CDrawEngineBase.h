// A draw engine: creates its context's GL context, sets the initial GL state and runs frames.
#pragma once

#include "CFrameBuffer.h"

#include <cstdint>

class CContextObject;

class CDrawEngineBase {
public:
    CDrawEngineBase() = default;
    CDrawEngineBase(const CDrawEngineBase&) = delete;
    CDrawEngineBase& operator=(const CDrawEngineBase&) = delete;
    // Releases the attached context's GL context and surface.
    virtual ~CDrawEngineBase();

    // The screen rectangle of the scene's surface: never reported in this system.
    virtual bool GetSceneRect(int rect[4]) const;
    virtual void OnViewStateChanged();
    virtual void BeginFrame(int width, int height);
    virtual bool DrawFrame() = 0;
    virtual void EndFrame();
    virtual void Initialise();

    // The first attach of a context initialises the engine.
    void Attach(CContextObject* context);
    // One frame; `readBack`, when given, receives the bottom-up BGR rows (stride rounded to 4)
    // before the buffers are swapped. False when nothing was drawn.
    bool Render(int width, int height, std::uint8_t* readBack = nullptr);
    // Whether the last Render read pixels back: false when the context could not be made
    // current or the frame buffer could not be made, and the rows were left untouched.
    bool ReadBack() const { return readBackDone; }

protected:
    // The colour buffer frames draw into and are read back from.
    unsigned DrawTarget() const;

    CContextObject* context = nullptr;
    bool initialised = false;
    bool swap = true;

private:
    void SetInitialState();

    CFrameBuffer frameBuffer;
    bool frameReady = false;
    bool readBackDone = false;
};
