// The column and info-tip texts: the value formats, the keys by trailer kind, the raw lookup of
// the columns against the parsed lookup of the info tip, and the five-line tip.
#include "shellext/CIBWPreview.h"
#include "shellext/ColumnText.h"
#include "shellext/InfoTipText.h"
#include "tests/ibw/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testfiles::TempFile;

ibwgen::WaveSpec NoteWave(const std::string& note, ibwgen::Trailer trailer, int channels) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(2, 2, channels);
    waveSpec.note = note;
    waveSpec.trailer = trailer;
    if (trailer == ibwgen::Trailer::KTZ9W && channels > 0) {
        ibwgen::ImagePreviewFooter footer;
        footer.width = 2;
        footer.height = 2;
        for (int c = 0; c < channels; ++c) {
            footer.channelNames.push_back("Channel" + std::to_string(c));
            footer.pixels.push_back({0, 1, 2, 3});
        }
        waveSpec.imageFooter = footer;
    }
    return waveSpec;
}

TEST(ColumnText, FormatsValues) {
    struct Case {
        ColumnFormat format;
        std::string value;
        std::string shown;
    };
    const Case cases[] = {
        {ColumnFormat::Length, "2e-05", "20.000 \xB5m"},
        {ColumnFormat::Length, "", "0.000 \xB5m"},
        {ColumnFormat::Length, "1.5e-6 m", "1.500 \xB5m"},
        {ColumnFormat::Length, "-3e-9", "-0.003 \xB5m"},
        {ColumnFormat::Direction, "0", "Up"},
        {ColumnFormat::Direction, "", "Up"},
        {ColumnFormat::Direction, "x1", "Up"},
        {ColumnFormat::Direction, "1", "Down"},
        {ColumnFormat::Direction, "-1", "Down"},
        {ColumnFormat::Mode, "0", "DC"},
        {ColumnFormat::Mode, "abc", "DC"},
        {ColumnFormat::Mode, "3", "AC"},
        {ColumnFormat::Text, "256", "256"},
        {ColumnFormat::Text, std::string(40, 'x'), std::string(31, 'x')},
        {ColumnFormat::Text, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatColumnValue(c.format, c.value), c.shown);
    }
    // Long results are cut to 31 characters.
    EXPECT_EQ(FormatColumnValue(ColumnFormat::Length, "1e300").size(), 31u);
    EXPECT_EQ(ChannelCountText(0), "0");
    EXPECT_EQ(ChannelCountText(12), "12");
}

TEST(ColumnText, TableKeysAndTexts) {
    struct Row {
        const char* title;
        const char* imageKey;
        const char* forceKey;
        bool alignRight;
    };
    const Row rows[kColumnCount] = {
        {"Scan Size(QV)", "ScanSize", "ForceDist", true},
        {"Direction(QV)", "ScanDown", "ForceDistSign", false},
        {"Mode(QV)", "ImagingMode", "IsTriggered", false},
        {"Points(QV)", "ScanPoints", "NumPtsPerWave", true},
        {"Channels(QV)", nullptr, nullptr, true},
    };
    for (int pid = 0; pid < kColumnCount; ++pid) {
        SCOPED_TRACE(pid);
        const ColumnSpec* column = ColumnAt(pid);
        ASSERT_NE(column, nullptr);
        EXPECT_STREQ(column->title, rows[pid].title);
        EXPECT_EQ(column->titleId, 2000 + pid);
        EXPECT_EQ(column->widthChars, 16);
        EXPECT_EQ(column->alignRight, rows[pid].alignRight);
        EXPECT_EQ(ColumnKey(*column, 0), nullptr);
        EXPECT_EQ(ColumnKey(*column, 3), nullptr);
        if (rows[pid].imageKey) {
            EXPECT_STREQ(ColumnKey(*column, 1), rows[pid].imageKey);
            EXPECT_STREQ(ColumnKey(*column, 2), rows[pid].forceKey);
            EXPECT_EQ(column->descriptionId, 2020 + pid);
        }
    }
    EXPECT_STREQ(ColumnAt(1)->description,
                 "Provides Scan Down value contained in IBW files which indicates direction");
    // The channel column describes itself with its title.
    EXPECT_EQ(ColumnAt(4)->descriptionId, 2004);
    EXPECT_STREQ(ColumnAt(4)->description, "Channels(QV)");
    EXPECT_EQ(ColumnAt(5), nullptr);
    EXPECT_EQ(ColumnAt(-1), nullptr);
}

TEST(ColumnText, ColumnsSearchTheRawNoteWhileTheTipUsesParsedKeys) {
    TempFile file(NoteWave("FastScanSize:1e-05\rScanSize:2e-05\rScanDown:1\rImagingMode:0\rScanPoints:256\r",
                           ibwgen::Trailer::KTZ9W, 4));
    EXPECT_EQ(ColumnValueForFile(0, file.path()), "10.000 \xB5m");
    EXPECT_EQ(ColumnValueForFile(1, file.path()), "Down");
    EXPECT_EQ(ColumnValueForFile(2, file.path()), "DC");
    EXPECT_EQ(ColumnValueForFile(3, file.path()), "256");
    EXPECT_EQ(ColumnValueForFile(4, file.path()), "4");
    EXPECT_EQ(ColumnValueForFile(5, file.path()), "");

    CIBWPreview preview;
    preview.Load(file.path(), 0);
    CIBWNote note(file.path(), true);
    EXPECT_EQ(MakeInfoTip(preview, &note), "Scan Size(QV)\t20.000 \xB5m\n"
                                           "Direction(QV)\tDown\n"
                                           "Mode(QV)\tDC\n"
                                           "Points(QV)\t256\n"
                                           "Channels(QV)\t4\n");
}

TEST(ColumnText, ForceFilesTakeTheForceKeys) {
    TempFile file(
        NoteWave("ScanSize:9\rForceDist:5e-07\rForceDistSign:0\rIsTriggered:1\rNumPtsPerWave:1024\r",
                 ibwgen::Trailer::Force, 1));
    const char* shown[] = {"0.500 \xB5m", "Up", "AC", "1024"};
    for (int pid = 0; pid < 4; ++pid) {
        EXPECT_EQ(ColumnValueForFile(pid, file.path()), shown[pid]) << pid;
    }
    CIBWNote note(file.path(), true);
    EXPECT_EQ(InfoTipText(note, 3), "Scan Size(QV)\t0.500 \xB5m\nDirection(QV)\tUp\nMode(QV)\tAC\n"
                                    "Points(QV)\t1024\nChannels(QV)\t3\n");
}

TEST(ColumnText, MissingPiecesGiveEmptyValuesOrNoTip) {
    // No footer: the channel column shows 0 and there is no tip.
    TempFile bare(NoteWave("ScanSize:2e-05\r", ibwgen::Trailer::KTZ9W, 0));
    EXPECT_EQ(ColumnValueForFile(4, bare.path()), "0");
    EXPECT_EQ(ColumnValueForFile(3, bare.path()), "");
    CIBWPreview preview;
    preview.Load(bare.path(), 0);
    CIBWNote bareNote(bare.path(), true);
    EXPECT_EQ(MakeInfoTip(preview, &bareNote), std::nullopt);

    // A trailer of neither kind: every note column is the format of an empty value.
    TempFile untagged(NoteWave("ScanSize:2e-05\rScanDown:1\r", ibwgen::Trailer::None, 1));
    EXPECT_EQ(ColumnValueForFile(0, untagged.path()), "0.000 \xB5m");
    EXPECT_EQ(ColumnValueForFile(1, untagged.path()), "Up");

    // A footer but no note text, or no note at all: no tip.
    TempFile noNote(NoteWave("", ibwgen::Trailer::KTZ9W, 2));
    preview.Load(noNote.path(), 0);
    ASSERT_TRUE(preview.GetDescriptor());
    const CIBWNote emptyNote;
    EXPECT_EQ(MakeInfoTip(preview, &emptyNote), std::nullopt);
    EXPECT_EQ(MakeInfoTip(preview, nullptr), std::nullopt);

    // A file that cannot be read has trailer kind 0 as well.
    EXPECT_EQ(ColumnValueForFile(0, "/nonexistent/file.ibw"), "0.000 \xB5m");
    EXPECT_EQ(ColumnValueForFile(4, "/nonexistent/file.ibw"), "0");
}

} // namespace
