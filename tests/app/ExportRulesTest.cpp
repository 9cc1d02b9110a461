// The save dialogs of ASCII, STL and VRML export: extension and filter per format, and the
// default-extension rule on chosen names.
#include "app/QV3DViewer/output/ExportDialogRule.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportDialogRule, ExtensionAndFilterPerFormat) {
    struct Case {
        ViewExportKind kind;
        const char* extension;
        const char* filter;
        std::vector<std::string> descriptions;
    };
    const Case cases[] = {
        {ViewExportKind::Ascii,
         "itx",
         "Igor Ascii Text (*.itx)|*.itx|All Files (*.*)|*.*||",
         {"Igor Ascii Text (*.itx)", "All Files (*.*)"}},
        {ViewExportKind::Stl,
         "stl",
         "STL (*.stl)|*.stl|All Files (*.*)|*.*||",
         {"STL (*.stl)", "All Files (*.*)"}},
        {ViewExportKind::Vrml,
         "wrl",
         "WRL (*.wrl)|*.wrl|All Files (*.*)|*.*||",
         {"WRL (*.wrl)", "All Files (*.*)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extension);
        const ExportDialogRule rule = ExportDialogRuleFor(c.kind);
        EXPECT_EQ(rule.defaultExtension, c.extension);
        EXPECT_EQ(rule.filter, c.filter);
        EXPECT_EQ(FilterDescriptions(rule.filter), c.descriptions);
    }
    EXPECT_TRUE(FilterDescriptions("").empty());
    EXPECT_EQ(FilterDescriptions("A (*.a)|*.a"), std::vector<std::string>{"A (*.a)"});
}

TEST(ExportDialogRule, DefaultExtensionOnlyForNamesWithoutOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"/data/scan", "/data/scan.stl"},
        {"/data/scan.stl", "/data/scan.stl"},
        {"/data/scan.STL", "/data/scan.STL"},
        {"/data/scan.txt", "/data/scan.txt"},
        {"/data/scan.v2", "/data/scan.v2"},
        {"/data.d/scan", "/data.d/scan.stl"}, // a dot in the folder is no extension
        {"C:\\data.d\\scan", "C:\\data.d\\scan.stl"},
        {"scan", "scan.stl"},
        {"/data/", "/data/"}, // no name: left for the writer to refuse
        {"", ""},
    };
    for (const auto& [chosen, written] : cases) {
        EXPECT_EQ(WithDefaultExtension(chosen, "stl"), written) << chosen;
    }
    EXPECT_EQ(WithDefaultExtension("/data/scan", ""), "/data/scan");
}

} // namespace
