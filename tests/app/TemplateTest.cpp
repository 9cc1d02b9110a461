#include "app/QV3DViewer/document/CMultiExtSingleDocTemplate.h"
#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/document/DocFileKind.h"

#include <gtest/gtest.h>

namespace {

using Tpl = CMultiExtSingleDocTemplate;

TEST(DocTemplate, DocStringFields) {
    const Tpl tpl(nullptr);
    const std::pair<int, const char*> fields[] = {
        {Tpl::windowTitle, "Vistrel Light"},
        {Tpl::docName, ""},
        {Tpl::fileNewName, "VistrelLight"},
        {Tpl::filterName, "Vistrel Files (*.ibw;*.vtl)"},
        {Tpl::filterExt, ".ibw;.vtl"},
        {Tpl::regFileTypeId, "VistrelLight.Document"},
        {Tpl::regFileTypeName, "VistrelLight.Document"},
        {42, ""},
    };
    for (const auto& [index, text] : fields) {
        std::string out = "stale";
        EXPECT_TRUE(tpl.GetDocString(out, index)) << index;
        EXPECT_EQ(out, text) << index;
    }
}

TEST(DocTemplate, MatchConfidenceByExtension) {
    const Tpl tpl(nullptr);
    const std::pair<const char*, int> cases[] = {
        {"/data/scan.ibw", 4},  {"/data/scan.IBW", 4},    {"/data/own.vtl", 4},      {"/data/own.VtL", 4},
        {"/data/notes.txt", 3}, {"/data/noextension", 3}, {"/data/scan.ibw.bak", 3}, {"/data/scan.ib", 3},
    };
    for (const auto& [path, confidence] : cases) {
        CQV3DViewerDoc* match = reinterpret_cast<CQV3DViewerDoc*>(1);
        EXPECT_EQ(tpl.MatchDocType(path, match), confidence) << path;
        EXPECT_EQ(match, nullptr) << path;
    }
}

TEST(DocTemplate, AlreadyOpenPathMatchesOnlyWithSameCase) {
    CQV3DViewerDoc doc;
    doc.SetPathName("/data/Scan.ibw");
    const Tpl tpl(&doc);
    CQV3DViewerDoc* match = nullptr;
    EXPECT_EQ(tpl.MatchDocType("/data/Scan.ibw", match), 5);
    EXPECT_EQ(match, &doc);
    EXPECT_EQ(tpl.MatchDocType("/data/scan.ibw", match), 4);
    EXPECT_EQ(match, nullptr);
}

TEST(DocFileKind, ClassifiesByLastExtensionWithoutCase) {
    EXPECT_EQ(ClassifyDocPath("a.ibw"), DocFileKind::Ibw);
    EXPECT_EQ(ClassifyDocPath("a.IBW"), DocFileKind::Ibw);
    EXPECT_EQ(ClassifyDocPath("a.vtl.ibw"), DocFileKind::Ibw);
    EXPECT_EQ(ClassifyDocPath("A.VTL"), DocFileKind::OwnDocument);
    EXPECT_EQ(ClassifyDocPath("a.txt"), DocFileKind::Other);
    EXPECT_EQ(ClassifyDocPath("noextension"), DocFileKind::Other);
}

} // namespace
