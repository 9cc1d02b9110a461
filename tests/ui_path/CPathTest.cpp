#include "ui/CPath.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* path;
    const char* drive;
    const char* folder;
    bool isRelative;
    const char* fileTitle;
    const char* extension;
};

const PathCase kCases[] = {
    {"C:\\data\\scan.rev2.ibw", "C:", "\\data\\", false, "scan.rev2", "ibw"},
    {"\"C:\\my data\\scan 1.ibw\"", "C:", "\\my data\\", false, "scan 1", "ibw"},
    {"/home/lab/afm/grating.ibw", "", "\\home\\lab\\afm\\", false, "grating", "ibw"},
    {"afm/run/img..itx", "", "afm\\run\\", true, "img.", "itx"},
    {"noext", "", "", false, "noext", ""},
    {"folder/.hidden", "", "folder\\", true, "", ""},
    {"", "", "", false, "", ""},
};

TEST(CPath, SplitsLikeTheRuntimeSplitter) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        CPath p(c.path);
        EXPECT_EQ(p.fullPath, c.path);
        EXPECT_EQ(p.drive, c.drive);
        EXPECT_EQ(p.folder, c.folder);
        EXPECT_EQ(p.isRelative, c.isRelative);
        EXPECT_EQ(p.GetFileTitle(), c.fileTitle);
        EXPECT_EQ(p.extension, c.extension);
    }
}

TEST(CPath, ReparsingClearsEveryPart) {
    CPath p("C:\\a\\b.ibw");
    p.SetPath("plain");
    EXPECT_EQ(p.drive, "");
    EXPECT_EQ(p.folder, "");
    EXPECT_EQ(p.GetFileTitle(), "plain");
    EXPECT_EQ(p.extension, "");
}

TEST(CPath, LongPathsKeepTheirWholeTitle) {
    const std::string title(300, 't');
    CPath p("/data/" + std::string(400, 'd') + "/" + title + ".ibw");
    EXPECT_EQ(p.GetFileTitle(), title);
    EXPECT_EQ(p.extension, "ibw");
}

} // namespace
