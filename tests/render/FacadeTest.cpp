// Handle validation, colour-table keys and scene sharing through the facade.
#include "GlFixture.h"

#include "CMeshObject.h"

using FacadeTest = GlTest;

TEST_F(FacadeTest, WrongTypeAndReleasedHandlesAreNoOps) {
    RenderHandle mesh = MakeMesh(3, 3, std::vector<float>(9, 0.0f));
    ViewState s;
    MeshParams p;
    ContextInfo info;
    EXPECT_FALSE(facade.GetViewState(mesh, s));
    EXPECT_FALSE(facade.SetViewState(mesh, s));
    EXPECT_FALSE(facade.GetContextInfo(mesh, info));
    EXPECT_FALSE(facade.ReleaseContext(mesh));
    EXPECT_FALSE(facade.AddMeshToScene(mesh, mesh));
    EXPECT_FALSE(facade.ShareScene(mesh, context));
    EXPECT_TRUE(facade.RenderToDib(mesh, 4, 4, false).empty());
    EXPECT_FALSE(facade.GetMeshParams(context, p));
    EXPECT_FALSE(facade.SetMeshParams(context, p));
    EXPECT_FALSE(facade.LoadMeshData(context, nullptr, 0));
    EXPECT_FALSE(facade.ReleaseMesh(context));
    EXPECT_FALSE(facade.SetOverlayMesh(mesh, context));
    EXPECT_FALSE(facade.ExportStl("/tmp/never.stl", context, true, true));
    int local = 0;
    EXPECT_FALSE(facade.GetMeshParams(&local, p));
    EXPECT_FALSE(facade.GetViewState(nullptr, s));

    RenderHandle other = facade.CreateMesh(2, 2);
    EXPECT_TRUE(facade.ReleaseMesh(other));
    EXPECT_FALSE(facade.ReleaseMesh(other));
    EXPECT_FALSE(facade.GetMeshParams(other, p));
    EXPECT_EQ(facade.CreateDecimatedMesh(10, 10, 11, 5), nullptr);
    EXPECT_EQ(facade.CreateMesh(0, 5), nullptr);
}

TEST_F(FacadeTest, ColorTableKeysAndChangeCounts) {
    RenderHandle mesh = MakeMesh(3, 3, std::vector<float>(9, 0.0f));
    EXPECT_FALSE(facade.SetMeshColorTable(mesh, 77777, false));
    EXPECT_FALSE(facade.SetColorTable(-1, nullptr, 0));
    const std::uint32_t blue[2] = {0x0000FF, 0x0000FF};
    ASSERT_TRUE(facade.SetColorTable(40, blue, 2));
    ASSERT_TRUE(facade.SetMeshColorTable(mesh, 40, true));
    const std::int32_t before = Mesh(mesh)->ChangeCount();
    EXPECT_TRUE(facade.SetColorTable(40, blue, 2));
    EXPECT_TRUE(facade.SetColorTable(40, blue, 1));
    EXPECT_EQ(Mesh(mesh)->ChangeCount(), before + 2);
    // Another key leaves the mesh alone.
    EXPECT_TRUE(facade.SetColorTable(41, blue, 2));
    EXPECT_EQ(Mesh(mesh)->ChangeCount(), before + 2);
}

TEST_F(FacadeTest, ViewStateDefaultsAndLimits) {
    ViewState s;
    ASSERT_TRUE(facade.GetViewState(context, s));
    EXPECT_FLOAT_EQ(s.Zoom, 1.0f);
    EXPECT_EQ(s.ColorbarTicks, 5);
    EXPECT_EQ(s.OnscreenTextColor, (ColorRGBA{0, 174, 0, 255}));
    s.Zoom = 0.05f;
    s.Pitch = -30.0f;
    ASSERT_TRUE(facade.SetViewState(context, s));
    ASSERT_TRUE(facade.GetViewState(context, s));
    EXPECT_FLOAT_EQ(s.Zoom, 0.1f);
    EXPECT_FLOAT_EQ(s.Pitch, 330.0f);
}

TEST_F(FacadeTest, ReleasedMeshInSceneIsSkippedAndSharedSceneSurvivesItsBorrower) {
    RenderHandle mesh = MakeMesh(9, 9, std::vector<float>(81, 1.0f));
    ASSERT_TRUE(facade.AddMeshToScene(context, mesh));
    LookFromAbove(context, ColorRGBA{0, 0, 64, 255});

    RenderHandle borrower = facade.CreateMemoryContext(nullptr, nullptr);
    ASSERT_TRUE(facade.ShareScene(borrower, context));
    Frame frame = Render(borrower, 64, 64);
    EXPECT_EQ(frame.At(32, 32).r, 255);
    // Releasing the borrower must not take the lender's scene with it.
    EXPECT_TRUE(facade.ReleaseContext(borrower));
    frame = Render(context, 64, 64);
    EXPECT_EQ(frame.At(32, 32).r, 255);

    ASSERT_TRUE(facade.ReleaseMesh(mesh));
    frame = Render(context, 64, 64);
    EXPECT_EQ(frame.At(32, 32).r, 0);
    EXPECT_EQ(frame.At(32, 32).b, 64);
}

// Makes 9 x 9 meshes of height `value` until one takes the address of `released`; null when the
// allocator never gives it back.
RenderHandle MeshAtTheAddressOf(RenderHandle released, float value,
                                const std::function<RenderHandle(float)>& make) {
    for (int i = 0; i < 64; ++i) {
        if (RenderHandle mesh = make(value); mesh == released) {
            return mesh;
        }
    }
    return nullptr;
}

// A released object leaves every link and list that named it: a mesh later made at the same
// address is neither coloured through the old overlay link nor drawn by a scene it was never
// added to.
TEST_F(FacadeTest, AReleasedMeshIsForgottenEvenWhenANewOneTakesItsAddress) {
    const auto make = [this](float value) { return MakeMesh(9, 9, std::vector<float>(81, value)); };
    RenderHandle surface = make(0.0f);
    RenderHandle overlay = make(1.0f);
    ASSERT_TRUE(facade.SetOverlayMesh(surface, overlay));
    ASSERT_TRUE(facade.AddMeshToScene(context, surface));
    LookFromAbove(context);
    EXPECT_EQ(Render(context, 64, 64).At(32, 32).r, 255) << "coloured by the white overlay";

    ASSERT_TRUE(facade.ReleaseMesh(overlay));
    RenderHandle reborn = MeshAtTheAddressOf(overlay, 1.0f, make);
    if (reborn == nullptr) {
        GTEST_SKIP() << "the allocator gave no mesh the released address";
    }
    MeshParams before;
    ASSERT_TRUE(facade.GetMeshParams(reborn, before));
    MeshParams params;
    ASSERT_TRUE(facade.GetMeshParams(surface, params));
    params.NaNColor = ColorRGBA{255, 0, 0, 255};
    ASSERT_TRUE(facade.SetMeshParams(surface, params));
    MeshParams after;
    ASSERT_TRUE(facade.GetMeshParams(reborn, after));
    EXPECT_EQ(after.NaNColor, before.NaNColor) << "the surface's NaN colour reached the new mesh";
    EXPECT_EQ(Render(context, 64, 64).At(32, 32).r, 0) << "the surface's own black, not the new mesh's white";

    ASSERT_TRUE(facade.ReleaseMesh(surface));
    if (MeshAtTheAddressOf(surface, 1.0f, make) == nullptr) {
        GTEST_SKIP() << "the allocator gave no mesh the released address";
    }
    const Rgb c = Render(context, 64, 64).At(32, 32);
    EXPECT_EQ(c.r, 0) << "the scene draws nothing";
    EXPECT_EQ(c.b, 64);
}

TEST_F(FacadeTest, OnlyTheFirstMeshOfASceneIsDrawn) {
    RenderHandle white = MakeMesh(5, 5, std::vector<float>(25, 1.0f));
    RenderHandle black = MakeMesh(5, 5, std::vector<float>(25, 0.0f));
    facade.AddMeshToScene(context, black);
    facade.AddMeshToScene(context, white);
    LookFromAbove(context, ColorRGBA{0, 0, 64, 255});
    const Frame frame = Render(context, 64, 64);
    const Rgb c = frame.At(32, 32);
    EXPECT_EQ(c.r, 0);
    EXPECT_EQ(c.b, 0);
}

TEST_F(FacadeTest, RenderToDibIsEmptyWhenNoFrameCanBeRead) {
    // Wider than any frame buffer GL offers: nothing is drawn, so there is no picture.
    RenderHandle memory = facade.CreateMemoryContext(nullptr, nullptr);
    ASSERT_NE(memory, nullptr);
    EXPECT_TRUE(facade.RenderToDib(memory, 1 << 20, 1, true).empty());
    EXPECT_FALSE(facade.RenderToDib(memory, 4, 4, true).empty());
    facade.ReleaseContext(memory);
}

TEST_F(FacadeTest, RenderToDibPixelsFollowTheHeaders) {
    LookFromAbove(context, ColorRGBA{200, 100, 50, 255});
    for (const bool infoOnly : {true, false}) {
        const std::vector<std::uint8_t> dib = facade.RenderToDib(context, 1, 2, infoOnly);
        const std::size_t pixels = infoOnly ? 40 : 54;
        ASSERT_EQ(dib.size(), pixels + 2 * 4); // one pixel per row, rows padded to 4 bytes
        EXPECT_EQ(dib[0], infoOnly ? 40 : 'B');
        for (const std::size_t row : {0u, 4u}) {
            EXPECT_EQ(dib[pixels + row], 50); // blue, green, red
            EXPECT_EQ(dib[pixels + row + 1], 100);
            EXPECT_EQ(dib[pixels + row + 2], 200);
        }
    }
}
