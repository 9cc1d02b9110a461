#include "ui/PreferenceLimits.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(PreferenceLimits, AnyStoredIntegerBecomesAUsableValue) {
    struct Case {
        int stored;
        int clip;
        int exportFactor;
        int palette;
    };
    const Case cases[] = {
        {0, 0, 1, 0},   {1, 1, 1, 1},        {2, 2, 2, 2},        {3, 0, 3, 3},
        {4, 0, 4, 4},   {5, 0, 4, 5},        {78, 0, 4, 78},      {79, 0, 4, 50},
        {-1, 0, 1, 50}, {INT_MAX, 0, 4, 50}, {INT_MIN, 0, 1, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        ViewerPreferences p;
        p.ClipMode = c.stored;
        p.ExportFactor = c.stored;
        p.PaletteIndex = c.stored;
        EXPECT_EQ(EffectiveClipMode(p), c.clip);
        EXPECT_EQ(EffectiveExportFactor(p), c.exportFactor);
        EXPECT_EQ(EffectivePaletteIndex(p), c.palette);
    }
}

TEST(PreferenceLimits, DecimatedGridSize) {
    struct Case {
        bool enable;
        int xLimit, yLimit, columns, rows, meshColumns, meshRows;
    };
    const Case cases[] = {
        {true, 1024, 1024, 512, 512, 512, 512},
        {true, 1024, 1024, 2048, 512, 1024, 512},
        {true, 256, 128, 512, 512, 256, 128},
        {false, 256, 128, 512, 512, 512, 512},
        {true, 0, -5, 512, 512, 2, 2},
        {true, INT_MIN, INT_MAX, 100, 100, 2, 100},
        {true, INT_MAX, INT_MAX, 4096, 4096, 4096, 4096},
        {true, 1, 1, 1, 1, 1, 1},
    };
    for (const Case& c : cases) {
        ViewerPreferences p;
        p.DecimationEnable = c.enable;
        p.XDecimationThreshold = c.xLimit;
        p.YDecimationThreshold = c.yLimit;
        const MeshGridSize size = DecimatedGridSize(p, c.columns, c.rows);
        EXPECT_EQ(size.columns, c.meshColumns) << c.xLimit << " " << c.columns;
        EXPECT_EQ(size.rows, c.meshRows) << c.yLimit << " " << c.rows;
    }
}

} // namespace
