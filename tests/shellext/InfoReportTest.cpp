// qvibw-info's report.
#include "shellext/linux/InfoReport.h"
#include "tests/ibw/TestFiles.h"
#include "tools/qvdfgen/QvdfGen.h"

#include <gtest/gtest.h>

namespace {

using testfiles::TempFile;

TEST(InfoReport, IbwImageFile) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(2, 2, 2);
    waveSpec.note = "FastScanSize:1e-05\rScanSize:2e-05\rScanDown:1\rImagingMode:1\rScanPoints:256\r";
    ibwgen::ImagePreviewFooter footer;
    footer.width = 2;
    footer.height = 2;
    footer.channelNames = {"Height", "Phase"};
    footer.pixels = {{1, 2, 3, 4}, {5, 6, 7, 8}};
    waveSpec.imageFooter = footer;
    TempFile file(waveSpec);
    std::string report;
    ASSERT_TRUE(InfoReport(file.path(), &report));
    EXPECT_EQ(report, "Kind: IBW image\n"
                      "Channels:\n  Height\n  Phase\n"
                      "Columns:\n"
                      "  Scan Size(QV)\t10.000 \xC2\xB5m\n  Direction(QV)\tDown\n  Mode(QV)\tAC\n"
                      "  Points(QV)\t256\n  Channels(QV)\t2\n"
                      "Info tip:\n"
                      "  Scan Size(QV)\t20.000 \xC2\xB5m\n  Direction(QV)\tDown\n  Mode(QV)\tAC\n"
                      "  Points(QV)\t256\n  Channels(QV)\t2\n"
                      "Note items:\n"
                      "  FastScanSize\t1e-05\n  ScanSize\t2e-05\n  ScanDown\t1\n  ImagingMode\t1\n"
                      "  ScanPoints\t256\n");
}

TEST(InfoReport, SaysWhyTheViewerCannotShowAWaveOrWhatItLoses) {
    ibwgen::WaveSpec force = testfiles::ImageSpec(16, 2, 0);
    force.trailer = ibwgen::Trailer::Force;
    TempFile forceFile(force);
    std::string report;
    ::testing::internal::CaptureStdout();
    ASSERT_TRUE(InfoReport(forceFile.path(), &report));
    EXPECT_NE(report.find("\nCannot be shown: it holds a force curve of 16 points in 2 channels\n"),
              std::string::npos)
        << report;

    ibwgen::WaveSpec wide = testfiles::ImageSpec(2, 2, 0);
    wide.type = 0x04;
    wide.exactValues = {1, 2, 3, -1e200};
    wide.trailer = ibwgen::Trailer::None;
    TempFile wideFile(wide);
    ASSERT_TRUE(InfoReport(wideFile.path(), &report));
    ::testing::internal::GetCapturedStdout();
    EXPECT_NE(report.find("\nShown with less precision: 1 value lies beyond the 32-bit float range"),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("Cannot be shown"), std::string::npos);
}

TEST(InfoReport, QvdfFileAndRefusals) {
    qvdfgen::ContainerSpec containerSpec;
    qvdfgen::Image height;
    height.channelName = "Height";
    qvdfgen::Image unnamed;
    unnamed.channelName = "";
    containerSpec.images = {height, unnamed, height};
    containerSpec.notes = std::string("Operator:\xB5 lab\r");
    TempFile file(qvdfgen::BuildContainer(containerSpec), ".QVDF");
    std::string report;
    ASSERT_TRUE(InfoReport(file.path(), &report));
    EXPECT_EQ(report, "Kind: QVDF, 3 images\n"
                      "Channels:\n  Height\n  Height\n"
                      "Columns: none\nInfo tip: none\n"
                      "Note items:\n  Operator\t\xC2\xB5 lab\n");

    TempFile notContainer(std::vector<std::uint8_t>(100, 0), ".qvdf");
    EXPECT_FALSE(InfoReport(notContainer.path(), &report));
    TempFile otherKind(std::vector<std::uint8_t>(100, 0), ".txt");
    EXPECT_FALSE(InfoReport(otherKind.path(), &report));
    EXPECT_FALSE(InfoReport("/nonexistent/file.ibw", &report));
    EXPECT_EQ(report, "cannot read the file\n");
}

} // namespace
