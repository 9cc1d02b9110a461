// Face names resolve to the metric-compatible faces, and to DejaVu when those are missing.
#include "FontLookup.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kLiberationDir = "/usr/share/fonts/truetype/liberation2";
const std::string kDejaVuDir = "/usr/share/fonts/truetype/dejavu";

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

struct LookupCase {
    std::string face;
    std::vector<std::string> dirs; // empty: the system configuration
    std::string family;
    std::string file;
};

class FontLookupCases : public testing::TestWithParam<LookupCase> {};

TEST_P(FontLookupCases, ResolvesToTheExpectedRegularFace) {
    const LookupCase& c = GetParam();
    FontFile font;
    const bool found = c.dirs.empty() ? FontLookup(c.face, &font) : FontLookupInDirs(c.face, c.dirs, &font);
    ASSERT_TRUE(found) << c.face;
    EXPECT_EQ(font.family, c.family);
    EXPECT_EQ(FileName(font.path), c.file);
    EXPECT_TRUE(std::filesystem::exists(font.path));
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FontLookupCases,
    testing::Values(LookupCase{"Arial", {}, "Liberation Sans", "LiberationSans-Regular.ttf"},
                    LookupCase{"Courier New", {}, "Liberation Mono", "LiberationMono-Regular.ttf"},
                    LookupCase{"arial", {kLiberationDir}, "Liberation Sans", "LiberationSans-Regular.ttf"},
                    LookupCase{"Arial", {kDejaVuDir}, "DejaVu Sans", "DejaVuSans.ttf"},
                    LookupCase{"Courier New", {kDejaVuDir}, "DejaVu Sans Mono", "DejaVuSansMono.ttf"}));

TEST(FontLookup, ReportsNotFoundWithoutAnyCandidate) {
    FontFile font;
    EXPECT_FALSE(FontLookupInDirs("Arial", {"/nonexistent-font-folder"}, &font));
    EXPECT_FALSE(FontLookup("No Such Face Anywhere", &font));
    EXPECT_FALSE(FontLookup("Arial", nullptr));
}

} // namespace
