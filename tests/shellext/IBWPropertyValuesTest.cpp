// The typed property values of .ibw files: numbers from the note's exact keys, texts by the
// columns' reading, nothing for what the file does not carry.
#include "shellext/CIBWPreview.h"
#include "shellext/IBWPropertyValues.h"
#include "shellext/LoadShellNote.h"
#include "tests/ibw/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using testfiles::TempFile;

IBWPropertyValues ValuesOf(const std::string& note, ibwgen::Trailer trailer, bool footer) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(2, 2, 1);
    waveSpec.note = note;
    waveSpec.trailer = trailer;
    if (footer) {
        ibwgen::ImagePreviewFooter preview;
        preview.width = 2;
        preview.height = 2;
        preview.channelNames = {"Height", "Phase", "Amplitude"};
        preview.pixels = {{1, 2, 3, 4}};
        waveSpec.imageFooter = preview;
    }
    TempFile file(waveSpec);
    CIBWPreview preview;
    preview.LoadFooter(file.path());
    return PropertyValues(LoadShellNote(file.path(), true), preview);
}

TEST(IBWPropertyValues, TypedValuesOfImageAndForceFiles) {
    IBWPropertyValues image = ValuesOf("FastScanSize: 1e-05\rScanSize: 2e-05\rScanDown: 1\rImagingMode: 0\r"
                                       "ScanPoints: 512\rScanPoints: 128\r",
                                       ibwgen::Trailer::KTZ9W, true);
    ASSERT_TRUE(image.scanSizeMicrometres);
    EXPECT_DOUBLE_EQ(*image.scanSizeMicrometres, 20.0); // the exact key, not FastScanSize
    EXPECT_EQ(image.direction, "Down");
    EXPECT_EQ(image.mode, "DC");
    EXPECT_EQ(image.points, 512u); // the first line of the key
    EXPECT_EQ(image.channels, 3u);

    IBWPropertyValues force =
        ValuesOf("ForceDist: 1.5e-07\rForceDistSign: 0\rIsTriggered: 1\rNumPtsPerWave: 2000\r",
                 ibwgen::Trailer::Force, false);
    ASSERT_TRUE(force.scanSizeMicrometres);
    EXPECT_NEAR(*force.scanSizeMicrometres, 0.15, 1e-12);
    EXPECT_EQ(force.direction, "Up");
    EXPECT_EQ(force.mode, "AC");
    EXPECT_EQ(force.points, 2000u);
    EXPECT_FALSE(force.channels); // no footer
}

TEST(IBWPropertyValues, WhatTheFileDoesNotCarryIsLeftOut) {
    IBWPropertyValues values =
        ValuesOf("ScanSize: wide\rScanDown:\rImagingMode: x\rScanPoints: -4\r", ibwgen::Trailer::KTZ9W, true);
    EXPECT_FALSE(values.scanSizeMicrometres); // no number
    EXPECT_FALSE(values.direction);           // an empty value
    EXPECT_EQ(values.mode, "DC");             // no number reads as 0, as the column reads it
    EXPECT_FALSE(values.points);              // no count
    EXPECT_EQ(values.channels, 3u);

    // No trailer: no keys at all.
    IBWPropertyValues plain = ValuesOf("ScanSize: 2e-05\r", ibwgen::Trailer::None, false);
    EXPECT_FALSE(plain.scanSizeMicrometres);
    EXPECT_FALSE(plain.mode);
}

} // namespace
