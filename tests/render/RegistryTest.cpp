// Registration order, broadcast order, validation by type and the teardown at exit.
#include "CBlockObject.h"
#include "CMeshObject.h"
#include "CRenderObjectContainer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> g_log;
int g_deleted = 0;

class TestBlock : public CBlockObject {
public:
    TestBlock(BlockType type, std::string blockName) : CBlockObject(type), name(std::move(blockName)) {}
    ~TestBlock() override { ++g_deleted; }
    void OnNotify(const ObjectEvent& event) override {
        g_log.push_back(name + ":" + std::to_string(static_cast<int>(event.Code)));
    }
    bool IsDirty() const override { return false; }
    void ClearDirty() override {}

private:
    std::string name;
};
} // namespace

TEST(Registry, BroadcastOrderIsByTypeThenRegistration) {
    g_log.clear();
    auto* mesh1 = new TestBlock(BlockType::Mesh, "mesh1");
    auto* bar = new TestBlock(BlockType::ColorBar, "bar");
    auto* table = new TestBlock(BlockType::ColorTable, "table");
    auto* context = new TestBlock(BlockType::Context, "context");
    auto* scene = new TestBlock(BlockType::MeshComposite, "scene");
    auto* mesh2 = new TestBlock(BlockType::Mesh, "mesh2");
    table->Notify(ObjectEventCode::Changed);
    EXPECT_EQ(g_log,
              (std::vector<std::string>{"table:3", "context:3", "mesh1:3", "mesh2:3", "bar:3", "scene:3"}));
    for (TestBlock* b : {mesh1, bar, table, context, scene, mesh2})
        delete b;
}

TEST(Registry, ValidationByTypeAndLifetime) {
    auto& registry = CRenderObjectContainer::Instance();
    auto* mesh = new TestBlock(BlockType::Mesh, "mesh");
    mesh->Key = 7;
    EXPECT_TRUE(registry.IsValid(static_cast<CObjectContainerElement*>(mesh), BlockType::Mesh));
    EXPECT_FALSE(registry.IsValid(static_cast<CObjectContainerElement*>(mesh), BlockType::Context));
    EXPECT_EQ(registry.Find(BlockType::Mesh, 7), mesh);
    EXPECT_EQ(registry.Find(BlockType::ColorTable, 7), nullptr);
    delete mesh;
    EXPECT_FALSE(registry.IsValid(static_cast<CObjectContainerElement*>(mesh), BlockType::Mesh));
    EXPECT_FALSE(registry.Contains(mesh));
}

TEST(Registry, TearDownDeletesEverythingWithoutBroadcasts) {
    g_log.clear();
    g_deleted = 0;
    new TestBlock(BlockType::ColorTable, "a");
    new TestBlock(BlockType::Mesh, "b");
    new TestBlock(BlockType::ColorBar, "c");
    CRenderObjectContainer::Instance().TearDown();
    EXPECT_EQ(g_deleted, 3);
    EXPECT_TRUE(g_log.empty());
    // The registry stays usable and broadcasts again afterwards.
    TestBlock after(BlockType::Mesh, "after");
    after.Notify(ObjectEventCode::Created);
    EXPECT_EQ(g_log, std::vector<std::string>{"after:2"});
}

TEST(Registry, TearDownDeletesOwnedObjectsOnce) {
    // A mesh owns its grey table: the table must leave the lists when its owner deletes it,
    // or the teardown would delete it a second time.
    auto& registry = CRenderObjectContainer::Instance();
    auto* mesh = new CMeshObject;
    ASSERT_TRUE(mesh->Initialise(4, 4));
    EXPECT_EQ(registry.List(BlockType::ColorTable).size(), 1u);
    registry.TearDown();
    EXPECT_TRUE(registry.List(BlockType::ColorTable).empty());
    EXPECT_TRUE(registry.List(BlockType::Mesh).empty());
}
