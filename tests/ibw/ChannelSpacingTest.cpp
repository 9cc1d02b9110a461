// A spacing the surface cannot be drawn with is replaced by 1 on either reading path, and the
// reader says which one and what it was; usable spacings, negative ones included, stay.
#include "ibw/CIBWReader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using testfiles::TempFile;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct SpacingCase {
    double x;
    double y;
    double xExtent; // over 5 columns
    double yExtent; // over 4 rows
    const char* note;
};

const SpacingCase kCases[] = {
    {1e-8, 2e-8, 4 * 1e-8, 3 * 2e-8, ""},
    {-1e-8, 2e-8, 4 * -1e-8, 3 * 2e-8, ""},
    {0, 2e-8, 4, 3 * 2e-8,
     "The surface cannot be drawn with the x spacing (0); it is drawn and exported with a spacing of 1."},
    {1e-8, kNaN, 4 * 1e-8, 3,
     "The surface cannot be drawn with the y spacing (NaN); it is drawn and exported with a spacing of 1."},
    {kInf, -kInf, 4, 3,
     "The surface cannot be drawn with the x spacing (INF) and the y spacing (-INF); it is drawn and "
     "exported "
     "with a spacing of 1."},
    {1e308, 1e-50, 4, 3, // an extent past the float range, one that a float holds only as 0
     "The surface cannot be drawn with the x spacing (1e+308) and the y spacing (1e-50); it is drawn and "
     "exported with a spacing of 1."},
};

TEST(ChannelSpacing, UndrawableSpacingsBecomeOneAndAreTold) {
    for (const bool instrument : {true, false}) {
        for (const SpacingCase& c : kCases) {
            SCOPED_TRACE(std::string(instrument ? "instrument image, " : "general wave, ") + c.note);
            ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(5, 4, 2);
            waveSpec.spacing = {c.x, c.y, 1, 1};
            waveSpec.dimLabels[2] = {"HeightRetrace", "PhaseRetrace"};
            if (!instrument) {
                waveSpec.trailer = ibwgen::Trailer::None;
            }
            TempFile wave(waveSpec);
            CIBWReader reader;
            ASSERT_TRUE(reader.Open(wave.path()));
            ASSERT_EQ(reader.channelCount, 2);
            for (const CIBWChannel& channel : reader.channels) {
                EXPECT_EQ(channel.xExtent, c.xExtent);
                EXPECT_EQ(channel.yExtent, c.yExtent);
                EXPECT_EQ(channel.xStart, -1e-6);
                EXPECT_EQ(channel.yStart, 5e-7);
            }
            EXPECT_EQ(reader.SpacingNote(), c.note);
            reader.Close();
            EXPECT_EQ(reader.SpacingNote(), "");
        }
    }
}

} // namespace
