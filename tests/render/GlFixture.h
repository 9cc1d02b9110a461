// Shared set-up of the GL tests: a memory context, colour tables, frames read back as
// bitmaps, pixel probes and screenshots.
#pragma once

#include "render/CRenderFacade.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class CMeshObject;

struct Rgb {
    int r, g, b;
};

// A frame read back through RenderToDib (bottom-up BGR rows).
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> dib; // with the 14-byte file header
    // Pixel at (x, y) with y counted from the top, as a person sees it.
    Rgb At(int x, int y) const;
    void Save(const std::string& name) const;
};

class GlTest : public testing::Test {
protected:
    static constexpr int kGrays = 8; // key of the "Grays256" table

    void SetUp() override;
    void TearDown() override;

    CRenderFacade& facade = CRenderFacade::Instance();
    RenderHandle context = nullptr;

    Frame Render(RenderHandle ctx, int width, int height);
    // A mesh over a square data area, range [0, 1], coloured by "Grays256".
    RenderHandle MakeMesh(int columns, int rows, const std::vector<float>& heights);
    // The view from straight above with lights off.
    void LookFromAbove(RenderHandle ctx, ColorRGBA back = ColorRGBA{0, 0, 64, 255});
    static CMeshObject* Mesh(RenderHandle handle);

private:
    std::vector<RenderHandle> meshes;
};
