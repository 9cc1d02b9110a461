#include "ui/CLogarithmicSliderCtrl.h"
#include "ui/CMeasureSliderCtrl.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct MeasureCase {
    float min, max;
    int steps;
    float x;
    int position;
};

const MeasureCase kMeasureCases[] = {
    {1, 3, -1000, 2, -500},
    {1, 3, -1000, 5, -1000},
    {1, 3, -1000, 0, 0},
    {1, 3, -1000, 3, -1000},
    {0, 10, 100, 2.55f, 25},
    {0, 10, 100, 9.999f, 99},
    {0, 10, 100, -1, 0},
    {0, 10, 100, 10, 100},
    {-5, 5, 7, 0, 3},
    {2, 2, 50, 2, 50},
    {0, 1, 100, std::numeric_limits<float>::quiet_NaN(), 0},
};

TEST(MeasureScale, PositionsTruncateTowardZeroAndClampAtTheEnds) {
    for (const auto& c : kMeasureCases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " steps " << c.steps << " x " << c.x);
        const MeasureScale scale{c.min, c.max, c.steps};
        EXPECT_EQ(scale.PositionFor(c.x), c.position);
    }
}

TEST(MeasureScale, ValuesAreLinearInThePosition) {
    const MeasureScale scale{1, 3, -1000};
    EXPECT_FLOAT_EQ(scale.ValueAt(-500), 2.0f);
    EXPECT_FLOAT_EQ(scale.ValueAt(-1000), 3.0f);
    EXPECT_FLOAT_EQ(scale.ValueAt(0), 1.0f);
    const MeasureScale noSteps{4, 8, 0};
    EXPECT_FLOAT_EQ(noSteps.ValueAt(0), 4.0f);
}

TEST(CMeasureSliderCtrl, NegativeStepsGiveARangeBelowZero) {
    CMeasureSliderCtrl slider(Qt::Vertical);
    QSignalSpy moves(&slider, &QSlider::valueChanged);
    slider.SetRange(1, 3);
    slider.SetSteps(-1000);
    EXPECT_EQ(slider.minimum(), -1000);
    EXPECT_EQ(slider.maximum(), 0);
    EXPECT_EQ(slider.tickInterval(), 7);
    slider.SetValue(2);
    EXPECT_EQ(slider.value(), -500);
    EXPECT_FLOAT_EQ(slider.GetValue(), 2.0f);
    EXPECT_EQ(moves.count(), 0); // values set from code are not user moves
    // The lowest position, which is the high end here, is at the top.
    EXPECT_TRUE(slider.invertedAppearance());
    slider.SetSteps(40);
    EXPECT_EQ(slider.minimum(), 0);
    EXPECT_EQ(slider.maximum(), 40);
}

TEST(LogarithmicScale, InvertedSliderPutsZeroAtTheBottom) {
    LogarithmicScale scale;
    scale.SetRange(0, 5, 0.07f);
    scale.SetSteps(-300);
    EXPECT_TRUE(scale.inverted);
    EXPECT_EQ(scale.steps, 300);
    EXPECT_EQ(scale.PositionFor(0), 300);
    EXPECT_EQ(scale.PositionFor(5), 0);
    EXPECT_NEAR(scale.ValueAt(300), 0.0f, 1e-6);
    EXPECT_NEAR(scale.ValueAt(0), 5.0f, 1e-5);
    // Half way up in logarithmic terms, not linear ones.
    const float middle = std::sqrt(0.07f * 5.07f) - 0.07f;
    EXPECT_EQ(scale.PositionFor(middle), 150);
    EXPECT_NEAR(scale.ValueAt(150), middle, 1e-5);
}

TEST(LogarithmicScale, OutOfRangeValuesGoToTheEnds) {
    LogarithmicScale scale;
    scale.SetRange(1, 100, 0);
    scale.SetSteps(200);
    EXPECT_EQ(scale.PositionFor(0.5f), 0);
    EXPECT_EQ(scale.PositionFor(1000), 200);
    EXPECT_EQ(scale.PositionFor(10), 100);
    scale.SetSteps(-200);
    EXPECT_EQ(scale.PositionFor(0.5f), 200);
    EXPECT_EQ(scale.PositionFor(1000), 0);
    int position = 17;
    EXPECT_FALSE(scale.PositionInRange(1000, position));
    EXPECT_EQ(position, 17);
}

TEST(LogarithmicScale, DegenerateRangesRestAtTheLowEnd) {
    LogarithmicScale empty;
    empty.SetRange(2, 2, 0);
    EXPECT_EQ(empty.PositionFor(2), 0);
    LogarithmicScale fromZero;
    fromZero.SetRange(0, 10, 0); // log10(0) has no finite value
    EXPECT_EQ(fromZero.PositionFor(0), 0);
    EXPECT_EQ(fromZero.PositionFor(5), 0);
    LogarithmicScale noSteps;
    noSteps.SetRange(1, 10, 0);
    noSteps.SetSteps(0);
    EXPECT_EQ(noSteps.PositionFor(5), 0);
    EXPECT_FLOAT_EQ(noSteps.ValueAt(0), 1.0f);
}

TEST(CLogarithmicSliderCtrl, OutOfRangeValueLeavesTheThumb) {
    CLogarithmicSliderCtrl slider(Qt::Vertical);
    slider.SetRange(0, 5, 0.07f);
    slider.SetSteps(-300);
    EXPECT_EQ(slider.minimum(), 0);
    EXPECT_EQ(slider.maximum(), 300);
    slider.SetValue(0);
    EXPECT_EQ(slider.value(), 300);
    slider.SetValue(7);
    EXPECT_EQ(slider.value(), 300);
    slider.SetValue(5);
    EXPECT_EQ(slider.value(), 0);
    slider.AddTick(0);
    slider.AddTick(9); // above the range: placed at the high end, position 0 when inverted
    EXPECT_EQ(slider.Ticks(), (std::vector<int>{300, 0}));
}

} // namespace

#include "Screenshot.h"

#include <QHBoxLayout>

namespace {

TEST(Screenshots, Sliders) {
    QWidget window;
    auto* measure = new CMeasureSliderCtrl(Qt::Vertical, &window);
    measure->setTickPosition(QSlider::TicksBelow);
    measure->SetRange(1, 3);
    measure->SetSteps(-70);
    measure->SetValue(2.5f);
    auto* logarithmic = new CLogarithmicSliderCtrl(Qt::Vertical, &window);
    logarithmic->SetRange(0, 5, 0.07f);
    logarithmic->SetSteps(-300);
    for (const float tick : {0.0f, 0.1f, 0.5f, 1.0f, 2.0f, 5.0f}) {
        logarithmic->AddTick(tick);
    }
    logarithmic->SetValue(1);
    auto* horizontal = new CLogarithmicSliderCtrl(Qt::Horizontal, &window);
    horizontal->SetRange(0.1f, 10, 0);
    horizontal->SetSteps(200);
    for (const float tick : {0.1f, 1.0f, 10.0f}) {
        horizontal->AddTick(tick);
    }
    horizontal->SetValue(1);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(measure);
    layout->addWidget(logarithmic);
    layout->addWidget(horizontal);
    window.resize(260, 180);
    window.show();
    EXPECT_TRUE(SaveScreenshot(&window, "sliders"));
}

} // namespace
