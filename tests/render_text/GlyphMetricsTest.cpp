// Outline metrics in em units and the label measure built on them.
#include "FontLookup.h"
#include "GlyphMetrics.h"

#include <gtest/gtest.h>

namespace {

TEST(GlyphMetrics, ArialOutlinesAreMeasuredInEmUnits) {
    FontFile font;
    ASSERT_TRUE(FontLookup("Arial", &font));
    GlyphMetricsTable metrics;
    ASSERT_TRUE(ComputeGlyphMetrics(font.path, &metrics));
    // Liberation Sans: digits advance 0.556 em as in Arial; capitals are 1409/2048 em high.
    EXPECT_NEAR(metrics['0'].cellIncX, 0.556f, 0.002f);
    EXPECT_NEAR(metrics['H'].blackBoxY, 0.688f, 0.002f);
    EXPECT_NEAR(metrics['H'].originY, 0.688f, 0.002f);
    EXPECT_GT(metrics['H'].originX, 0.0f);
    EXPECT_LT(metrics['H'].blackBoxX, metrics['H'].cellIncX);
    EXPECT_EQ(metrics[' '].blackBoxX, 0.0f);
    EXPECT_NEAR(metrics[' '].cellIncX, 0.278f, 0.002f);
    EXPECT_GT(metrics[0xB5].blackBoxY, metrics['u'].blackBoxY); // the micro sign's descender
    EXPECT_EQ(metrics[254].cellIncX, 0.0f);                     // beyond the filled codes
}

TEST(GlyphMetrics, UnreadableFilesLeaveTheTableUntouched) {
    GlyphMetricsTable metrics{};
    metrics['A'].blackBoxX = 7;
    EXPECT_FALSE(ComputeGlyphMetrics("/nonexistent/font.ttf", &metrics));
    EXPECT_EQ(metrics['A'].blackBoxX, 7);
    EXPECT_FALSE(ComputeGlyphMetrics("/nonexistent/font.ttf", nullptr));
}

TEST(GlyphMetrics, LabelsAreMeasuredAndShiftedByAlignment) {
    GlyphMetricsTable metrics{};
    metrics['1'] = {0.25f, 0.7f, 0, 0, 0.5f, 0};
    metrics['.'] = {0.125f, 0.1f, 0, 0, 0.25f, 0};
    metrics[' '] = {0, 0, 0, 0, 0.25f, 0};
    metrics['x'] = {1.0f, 0.5f, 0, 0, 1.0f, 0};
    const LabelSize size = MeasureLabel(metrics, "1.1 \xFF");
    EXPECT_FLOAT_EQ(size.width, 0.625f); // byte 0xFF has no record and adds nothing
    EXPECT_FLOAT_EQ(size.height, 0.7f);  // the first character's height
    EXPECT_FLOAT_EQ(MeasureLabel(metrics, std::string(300, 'x')).width, 255.0f);
    EXPECT_FLOAT_EQ(MeasureLabel(metrics, "").height, 0.0f);

    const struct {
        int alignment;
        float x, y;
    } shifts[] = {{0, 0, 0}, {1, -0.3125f, -0.35f}, {2, -0.625f, -0.35f}};
    for (const auto& s : shifts) {
        const LabelShift shift = LabelAlignmentShift(s.alignment, size);
        EXPECT_FLOAT_EQ(shift.x, s.x) << s.alignment;
        EXPECT_FLOAT_EQ(shift.y, s.y) << s.alignment;
    }
}

} // namespace
