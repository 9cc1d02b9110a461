#include "app/QV3DViewer/document/CQV3DViewerDoc.h"

#include "AppTestFiles.h"

#include <gtest/gtest.h>

namespace {

using OpenError = CQV3DViewerDoc::OpenError;

TEST(Document, OpensAnImageAndKeepsItsChannels) {
    const apptest::TempFile file(apptest::ImageSpec(4, 3, {"HeightRetrace", "AmplitudeRetrace"}));
    CQV3DViewerDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(file.path()));
    EXPECT_EQ(doc.GetReader().channelCount, 2);
    ASSERT_NE(doc.GetReader().GetChannel(1), nullptr);
    EXPECT_EQ(doc.GetReader().GetChannel(1)->name, "AmplitudeRetrace");
}

TEST(Document, ImageUnderAnyOtherExtensionGoesToTheReader) {
    for (const char* suffix : {".IBW", ".txt", ""}) {
        const apptest::TempFile file(apptest::ImageSpec(4, 3, {"Height"}), suffix);
        CQV3DViewerDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(file.path())) << suffix;
        EXPECT_EQ(doc.GetReader().channelCount, 1) << suffix;
    }
}

TEST(Document, OwnDocumentOpensWithoutReadingAndEmptiesTheReader) {
    const apptest::TempFile image(apptest::ImageSpec(4, 3, {"Height"}));
    const apptest::TempFile own(std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e'},
                                ".vtl");
    CQV3DViewerDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(image.path()));
    EXPECT_TRUE(doc.OnOpenDocument(own.path()));
    EXPECT_EQ(doc.GetReader().GetChannel(0), nullptr);
}

TEST(Document, RejectedFilesFailWithoutAPlatformError) {
    ibwgen::WaveSpec line = apptest::ImageSpec(12, 1, {"Height"});
    line.dims = {12, 0, 0, 0};
    line.dimLabels[2].clear();
    ibwgen::WaveSpec force = apptest::ImageSpec(4, 3, {"Height"});
    force.trailer = ibwgen::Trailer::Force;
    ibwgen::WaveSpec complexWave = apptest::ImageSpec(4, 3, {"Height"});
    complexWave.type = 0x03;
    complexWave.values.resize(2 * complexWave.values.size());
    for (const auto* waveSpec : {&line, &force, &complexWave}) {
        const apptest::TempFile file(*waveSpec);
        CQV3DViewerDoc doc;
        EXPECT_FALSE(doc.OnOpenDocument(file.path()));
        EXPECT_EQ(doc.LastOpenError(), OpenError::none);
        EXPECT_EQ(doc.GetReader().GetChannel(0), nullptr);
        EXPECT_FALSE(doc.RefusalReason().empty());
    }
    const apptest::TempFile garbage(std::vector<std::uint8_t>(100, 0x5A), ".ibw");
    CQV3DViewerDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(garbage.path()));
    EXPECT_EQ(doc.LastOpenError(), OpenError::none);
}

TEST(Document, AFailedOpenKeepsTheFileOpenBefore) {
    const apptest::TempFile image(apptest::ImageSpec(4, 3, {"HeightRetrace", "AmplitudeRetrace"}));
    ibwgen::WaveSpec complexWave = apptest::ImageSpec(4, 3, {"Height"});
    complexWave.type = 0x03;
    complexWave.values.resize(2 * complexWave.values.size());
    const apptest::TempFile rejected(complexWave, "_complex.ibw");
    CQV3DViewerDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(image.path()));
    const float* data = doc.GetReader().GetChannel(1)->data;
    EXPECT_FALSE(doc.OnOpenDocument(rejected.path()));
    EXPECT_EQ(doc.RefusalReason(), "it holds a complex wave");
    ASSERT_EQ(doc.GetReader().channelCount, 2);
    EXPECT_EQ(doc.GetReader().GetChannel(1)->name, "AmplitudeRetrace");
    EXPECT_EQ(doc.GetReader().GetChannel(1)->data, data);
    EXPECT_EQ(doc.GetReader().GetChannel(1)->data[0], 12.0f);
    // A success replaces it, and clears the reason.
    ASSERT_TRUE(doc.OnOpenDocument(image.path()));
    EXPECT_TRUE(doc.RefusalReason().empty());
}

TEST(Document, WavesOfOtherProgramsOpen) {
    ibwgen::WaveSpec flat = apptest::ImageSpec(4, 3, {"Height"});
    flat.dims = {4, 3, 0, 0};
    flat.dimLabels[2].clear();
    ibwgen::WaveSpec doubles = apptest::ImageSpec(4, 3, {"Height"});
    doubles.type = 0x04;
    ibwgen::WaveSpec noTrailer = apptest::ImageSpec(4, 3, {"Height"});
    noTrailer.trailer = ibwgen::Trailer::None;
    for (const auto* waveSpec : {&flat, &doubles, &noTrailer}) {
        const apptest::TempFile file(*waveSpec);
        CQV3DViewerDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(file.path()));
        EXPECT_EQ(doc.GetReader().channelCount, 1);
    }
}

TEST(Document, MissingFileAndFolderAreReportedAsPlatformErrors) {
    CQV3DViewerDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument("/nonexistent/folder/scan.ibw"));
    EXPECT_EQ(doc.LastOpenError(), OpenError::fileNotFound);
    EXPECT_FALSE(doc.OnOpenDocument(std::filesystem::temp_directory_path().string()));
    EXPECT_EQ(doc.LastOpenError(), OpenError::failedToOpen);
}

TEST(Document, NewDocumentIsUntitledAndEmpty) {
    const apptest::TempFile file(apptest::ImageSpec(4, 3, {"Height"}));
    CQV3DViewerDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(file.path()));
    doc.SetPathName(file.path());
    EXPECT_EQ(doc.GetTitle(), std::filesystem::path(file.path()).filename().string());
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_EQ(doc.GetReader().GetChannel(0), nullptr);
    EXPECT_FALSE(doc.OnSaveDocument(file.path()));
}

} // namespace
