// What a person sees: pixel probes on frames read back from memory and window contexts.
// Probes allow 12 grey levels: smooth shading interpolates colours between vertices.
#include "GlFixture.h"

#include "CColorTableObject.h"
#include "CMeshComposite.h"
#include "CMeshObject.h"
#include "GlErrorCheck.h"

#include <GL/gl.h>

#include <QWindow>

#include <cmath>
#include <cstring>
#include <limits>

namespace {
constexpr int kSize = 256;
constexpr int kTolerance = 12;

std::vector<float> Ramp(int n, bool byRow) {
    std::vector<float> h(static_cast<std::size_t>(n * n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            h[static_cast<std::size_t>(i * n + j)] = static_cast<float>(byRow ? i : j) / (n - 1);
    return h;
}

// Grey expected at a pixel column (or row from the bottom) of a flat 256 x 256 view from
// above: the grid's -5 .. 5 spans 16 x tan(22.5 degrees) = 6.627 model units per half view.
int ExpectedGrey(int pixel) {
    const double model = ((pixel + 0.5) / (kSize / 2.0) - 1.0) * 16.0 * std::tan(M_PI / 8.0);
    return static_cast<int>((model + 5.0) / 10.0 * 255.0);
}

void SetFlat(CRenderFacade& facade, RenderHandle mesh) {
    MeshParams p;
    facade.GetMeshParams(mesh, p);
    p.ZScale = 0.0f;
    facade.SetMeshParams(mesh, p);
}
} // namespace

using FrameTest = GlTest;

TEST_F(FrameTest, FlatRampFromAboveAndBackground) {
    const ColorRGBA back{10, 20, 30, 255};
    for (const bool byRow : {false, true}) {
        RenderHandle mesh = MakeMesh(33, 33, Ramp(33, byRow));
        SetFlat(facade, mesh);
        facade.AddMeshToScene(context, mesh);
        LookFromAbove(context, back);
        const Frame frame = Render(context, kSize, kSize);
        frame.Save(byRow ? "ramp_rows" : "ramp_columns");
        for (const int p : {48, 96, 128, 160, 208}) {
            // Columns grow to the right; rows grow upward on screen.
            const Rgb c = byRow ? frame.At(kSize / 2, kSize - 1 - p) : frame.At(p, kSize / 2);
            EXPECT_NEAR(c.r, ExpectedGrey(p), kTolerance) << p;
            EXPECT_EQ(c.r, c.g);
            EXPECT_EQ(c.g, c.b);
        }
        const Rgb corner = frame.At(2, 2);
        EXPECT_EQ(corner.r, 10);
        EXPECT_EQ(corner.g, 20);
        EXPECT_EQ(corner.b, 30);
        facade.RemoveMeshFromScene(context, mesh);
    }
}

TEST_F(FrameTest, NaNPatchShowsNaNColorInClampMode) {
    std::vector<float> h(33 * 33, 0.5f);
    for (int i = 12; i <= 20; ++i)
        for (int j = 12; j <= 20; ++j)
            h[static_cast<std::size_t>(i * 33 + j)] = std::numeric_limits<float>::quiet_NaN();
    RenderHandle mesh = MakeMesh(33, 33, h);
    MeshParams p;
    facade.GetMeshParams(mesh, p);
    p.ZClamp = 1;
    p.NaNColor = ColorRGBA{255, 0, 0, 255};
    facade.SetMeshParams(mesh, p);
    facade.AddMeshToScene(context, mesh);
    LookFromAbove(context);
    const Frame frame = Render(context, kSize, kSize);
    frame.Save("nan_patch");
    const Rgb centre = frame.At(kSize / 2, kSize / 2);
    EXPECT_EQ(centre.r, 255);
    EXPECT_EQ(centre.g, 0);
    EXPECT_EQ(centre.b, 0);
    const Rgb outside = frame.At(60, 60);
    EXPECT_NEAR(outside.r, 127, 2);
    EXPECT_EQ(outside.g, outside.r);
}

TEST_F(FrameTest, ZClipCutsAwayWhatLiesAboveTheRange) {
    // Left half above the range, right half inside it.
    std::vector<float> h(33 * 33);
    for (int i = 0; i < 33; ++i)
        for (int j = 0; j < 33; ++j)
            h[static_cast<std::size_t>(i * 33 + j)] = j < 16 ? 2.0f : 0.5f;
    RenderHandle mesh = MakeMesh(33, 33, h);
    facade.AddMeshToScene(context, mesh);
    LookFromAbove(context, ColorRGBA{0, 0, 64, 255});
    for (const bool clip : {false, true}) {
        MeshParams p;
        facade.GetMeshParams(mesh, p);
        p.ZClip = clip ? 1 : 0;
        facade.SetMeshParams(mesh, p);
        const Frame frame = Render(context, kSize, kSize);
        frame.Save(clip ? "zclip_on" : "zclip_off");
        const Rgb left = frame.At(70, kSize / 2);
        const Rgb right = frame.At(190, kSize / 2);
        if (clip) {
            EXPECT_EQ(left.r, 0);
            EXPECT_EQ(left.b, 64);
        } else {
            EXPECT_EQ(left.r, 255);
        }
        EXPECT_NEAR(right.r, 127, 2);
    }
}

TEST_F(FrameTest, AnaglyphHasRedAndCyanFringes) {
    RenderHandle mesh = MakeMesh(17, 17, std::vector<float>(17 * 17, 1.0f));
    SetFlat(facade, mesh);
    facade.AddMeshToScene(context, mesh);
    ViewState s;
    facade.GetViewState(context, s);
    s.Anaglyph = true;
    s.EyeSeparation = -1.0f; // the widest separation
    s.EyeFocus = 1.0f;       // focus behind the surface: the eyes' images part
    facade.SetViewState(context, s);
    const Frame frame = Render(context, kSize, kSize);
    frame.Save("anaglyph");
    int redOnly = 0;
    int cyanOnly = 0;
    int white = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const Rgb c = frame.At(x, y);
            redOnly += c.r == 255 && c.g == 0 && c.b == 0;
            cyanOnly += c.r == 0 && c.g == 255 && c.b == 255;
            white += c.r == 255 && c.g == 255 && c.b == 255;
        }
    }
    EXPECT_GT(redOnly, 200);
    EXPECT_GT(cyanOnly, 200);
    EXPECT_GT(white, 5000);
}

TEST_F(FrameTest, DecimatedMeshAndLitSurfaceDraw) {
    constexpr int columns = 200;
    constexpr int rows = 150;
    std::vector<float> h(columns * rows);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j)
            h[static_cast<std::size_t>(i * columns + j)] = static_cast<float>(j) / (columns - 1);
    RenderHandle mesh = facade.CreateDecimatedMesh(columns, rows, 50, 40);
    ASSERT_NE(mesh, nullptr);
    MeshParams p;
    facade.GetMeshParams(mesh, p);
    p.XExtent = 1.0f;
    p.YExtent = 1.0f;
    p.ZRange = 1.0f;
    p.ZScale = 0.0f;
    facade.SetMeshParams(mesh, p);
    EXPECT_TRUE(facade.LoadMeshData(mesh, h.data(), columns * rows));
    EXPECT_TRUE(facade.SetMeshColorTable(mesh, kGrays, true));
    facade.AddMeshToScene(context, mesh);
    LookFromAbove(context);
    Frame frame = Render(context, kSize, kSize);
    frame.Save("decimated");
    EXPECT_NEAR(frame.At(kSize / 2, kSize / 2).r, ExpectedGrey(kSize / 2), kTolerance);
    EXPECT_NEAR(frame.At(60, kSize / 2).r, ExpectedGrey(60), kTolerance);

    // The same surface with height and light, seen at the viewer's initial pitch.
    p.ZScale = 1.0f / 3.0f;
    facade.SetMeshParams(mesh, p);
    ViewState s;
    facade.GetViewState(context, s);
    s.Pitch = 30.0f;
    s.ShowLights = true;
    facade.SetViewState(context, s);
    frame = Render(context, kSize, kSize);
    frame.Save("decimated_lit");
    const Rgb centre = frame.At(kSize / 2, kSize / 2);
    EXPECT_FALSE(centre.r == 0 && centre.g == 0 && centre.b == 64);
    facade.ReleaseMesh(mesh);
}

TEST_F(FrameTest, WindowContextUsesBufferObjectsAndMemoryContextDoesNot) {
    QWindow window;
    window.resize(kSize, kSize);
    window.setSurfaceType(QSurface::OpenGLSurface);
    window.show();
    RenderHandle windowContext = facade.CreateWindowContext(&window);
    ContextInfo info;
    ASSERT_TRUE(facade.GetContextInfo(windowContext, info));
    ASSERT_NE(info.GlContext, nullptr);
    EXPECT_EQ(info.Kind, ContextKind::Window);

    RenderHandle mesh = MakeMesh(33, 33, Ramp(33, false));
    SetFlat(facade, mesh);
    facade.AddMeshToScene(windowContext, mesh);
    LookFromAbove(windowContext);
    const Frame frame = Render(windowContext, kSize, kSize);
    frame.Save("window_context");
    EXPECT_TRUE(Mesh(mesh)->GpuData().HasBuffers());
    EXPECT_NEAR(frame.At(96, kSize / 2).r, ExpectedGrey(96), kTolerance);

    facade.AddMeshToScene(context, mesh);
    LookFromAbove(context);
    const Frame memory = Render(context, kSize, kSize);
    EXPECT_FALSE(Mesh(mesh)->GpuData().HasBuffers());
    EXPECT_FALSE(Mesh(mesh)->GpuData().Vertices().empty());
    for (const int x : {60, 96, 128, 200})
        EXPECT_NEAR(memory.At(x, kSize / 2).r, frame.At(x, kSize / 2).r, 1) << x;
    EXPECT_TRUE(facade.ReleaseContext(windowContext));
}

// While an overlay colours the surface, the colour bar shows the overlay's table, range and unit
// (with the surface's label colour); taken off, the bar shows the surface's own table again.
TEST_F(FrameTest, ColourBarDescribesTheOverlayThatColoursTheSurface) {
    constexpr int kBlue = 60;
    const std::vector<std::uint32_t> blue(2, 0x0000FFu);
    ASSERT_TRUE(facade.SetColorTable(kBlue, blue.data(), static_cast<int>(blue.size())));
    RenderHandle surface = MakeMesh(17, 17, Ramp(17, false));
    RenderHandle overlay = MakeMesh(17, 17, Ramp(17, true));
    ASSERT_TRUE(facade.SetMeshColorTable(overlay, kBlue, true));
    AxesOptions surfaceAxes;
    ASSERT_TRUE(facade.GetAxesOptions(surface, surfaceAxes));
    surfaceAxes.Flags = AxesAutoLabelColor;
    surfaceAxes.ZLabelRange = 68.66f;
    std::strcpy(surfaceAxes.ZUnitText, "nm");
    ASSERT_TRUE(facade.SetAxesOptions(surface, surfaceAxes));
    AxesOptions overlayAxes;
    ASSERT_TRUE(facade.GetAxesOptions(overlay, overlayAxes));
    overlayAxes.Flags = 0;
    overlayAxes.ZLabelRange = 40;
    overlayAxes.ZLabelOffset = -20;
    overlayAxes.ZOptions = kAxesAbsoluteZ;
    std::strcpy(overlayAxes.ZUnitText, "\xB0");
    ASSERT_TRUE(facade.SetAxesOptions(overlay, overlayAxes));
    ASSERT_TRUE(facade.AddMeshToScene(context, surface));
    ViewState s;
    ASSERT_TRUE(facade.GetViewState(context, s));
    s.ShowColorbar = true;
    ASSERT_TRUE(facade.SetViewState(context, s));
    const auto barMiddle = [&](const char* name) {
        const Frame frame = Render(context, 400, 300);
        frame.Save(name);
        return frame.At(400 - 40, 150);
    };
    const Rgb grey = barMiddle("colour_bar_surface");
    EXPECT_NEAR(grey.r, grey.b, kTolerance);

    ASSERT_TRUE(facade.SetOverlayMesh(surface, overlay));
    const ColorBarSource source = ColorBarSourceOf(*Mesh(surface));
    ASSERT_NE(source.table, nullptr);
    EXPECT_EQ(source.table->Entries().front().b, 255);
    EXPECT_EQ(source.table->Entries().front().r, 0);
    EXPECT_FLOAT_EQ(source.options.ZLabelRange, 40);
    EXPECT_FLOAT_EQ(source.options.ZLabelOffset, -20);
    EXPECT_EQ(source.options.ZOptions, kAxesAbsoluteZ);
    EXPECT_STREQ(source.options.ZUnitText, "\xB0");
    EXPECT_EQ(source.options.Flags, AxesAutoLabelColor);
    const Rgb overlaid = barMiddle("colour_bar_overlay");
    EXPECT_GT(overlaid.b, 200);
    EXPECT_LT(overlaid.r, 40);

    ASSERT_TRUE(facade.SetOverlayMesh(surface, nullptr));
    EXPECT_FLOAT_EQ(ColorBarSourceOf(*Mesh(surface)).options.ZLabelRange, 68.66f);
    const Rgb again = barMiddle("colour_bar_surface_again");
    EXPECT_NEAR(again.r, grey.r, kTolerance);
    EXPECT_NEAR(again.b, grey.b, kTolerance);
}

// Every kind of frame (mono and anaglyph, lit, with colour bar, axes and on-screen text)
// leaves no GL error behind; a provoked error is named with its place.
TEST_F(FrameTest, FramesLeaveNoGlErrorAndAnErrorIsNamedWithItsPlace) {
    RenderHandle mesh = MakeMesh(33, 33, Ramp(33, false));
    ASSERT_TRUE(facade.AddMeshToScene(context, mesh));
    ViewState s;
    ASSERT_TRUE(facade.GetViewState(context, s));
    s.ShowLights = true;
    s.ShowColorbar = true;
    s.TextFlags = 0x1F;
    for (const bool anaglyph : {false, true}) {
        s.Anaglyph = anaglyph;
        ASSERT_TRUE(facade.SetViewState(context, s));
        Render(context, 128, 96);
        EXPECT_EQ(TakeGlError("the frame"), "") << (anaglyph ? "anaglyph" : "mono");
    }
    glEnable(0xFFFF);
    EXPECT_EQ(TakeGlError("the test's call"), "GL error 0x0500 (invalid enumerant) after the test's call");
    EXPECT_EQ(TakeGlError("the test's call"), "");
}
