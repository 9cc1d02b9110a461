// The engine used for every context: a mono (perspective or orthographic) or anaglyph frame,
// then the colour bar and the on-screen text.
#pragma once

#include "CDrawEngineBase.h"

struct ViewState;

class CDrawEngineGeneric : public CDrawEngineBase {
public:
    void BeginFrame(int width, int height) override;
    bool DrawFrame() override;

private:
    void DrawMonoFrame(const ViewState& state);
    void DrawAnaglyphFrame(const ViewState& state);
    // Lights, the scene, lights off, the colour bar: the part both eyes share.
    void DrawScene(const ViewState& state);
    // The on-screen text blocks belong to the text module.
    void DrawOnscreenText(const ViewState& state);

    float viewportWidth = 0.0f;
    float viewportHeight = 0.0f;
};
