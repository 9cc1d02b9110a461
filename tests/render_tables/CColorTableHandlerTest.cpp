#include "render/CColorTableHandler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

struct TableCase {
    const char* name;
    int entries;
    std::uint32_t first;
    std::uint32_t last;
};

// Every table in list order with its size and end colours.
const TableCase kTables[] = {
    {"Grays", 100, 0x000000, 0xFFFFFF},
    {"Rainbow", 100, 0xFF0000, 0x7F00FF},
    {"YellowHot", 100, 0x000000, 0xFFFF00},
    {"BlueHot", 100, 0x000000, 0x3380FF},
    {"BlueRedGreen", 100, 0x0000FF, 0x00FF00},
    {"RedWhiteBlue", 100, 0xFF0000, 0x0000FF},
    {"PlanetEarth", 100, 0x000000, 0x0000FF},
    {"Terrain", 100, 0x333399, 0xFFFFFF},
    {"Grays256", 256, 0x000000, 0xFFFFFF},
    {"Rainbow256", 256, 0xFF0000, 0x7F00FF},
    {"YellowHot256", 256, 0x000000, 0xFFFF00},
    {"BlueHot256", 256, 0x000000, 0x3380FF},
    {"BlueRedGreen256", 256, 0x0000FF, 0x00FF00},
    {"RedWhiteBlue256", 256, 0xFF0000, 0x0000FF},
    {"PlanetEarth256", 256, 0x000000, 0x0000FF},
    {"Terrain256", 256, 0x333399, 0xFFFFFF},
    {"Grays16", 16, 0xFFFFFF, 0x000000},
    {"Rainbow16", 16, 0xFF0000, 0x99007A},
    {"Red", 256, 0x000000, 0xFFFFFF},
    {"Green", 256, 0x000000, 0xFFFFFF},
    {"Blue", 256, 0x000000, 0xFFFFFF},
    {"Cyan", 256, 0x000000, 0xFFFFFF},
    {"Magenta", 256, 0x000000, 0xFFFFFF},
    {"Yellow", 256, 0x000000, 0xFFFFFF},
    {"Copper", 256, 0x000000, 0xFFFFFF},
    {"Gold", 256, 0x000000, 0xFFFFFF},
    {"CyanMagenta", 256, 0x00FFFF, 0xFF00FF},
    {"RedWhiteGreen", 256, 0xFF0000, 0x00FF00},
    {"BlueBlackRed", 256, 0x7F7FFF, 0xFF7F7F},
    {"Geo", 256, 0x0A0078, 0xFFFFFF},
    {"Geo32", 32, 0x0A0079, 0xFFFFFF},
    {"LandAndSea", 255, 0x3F5E73, 0xFFFFFF},
    {"LandAndSea8", 8, 0x405E73, 0xFFFFFF},
    {"Relief", 255, 0x000000, 0xFFFFFF},
    {"Relief19", 19, 0x000000, 0xFFFFFF},
    {"PastelsMap", 301, 0x8C66FF, 0xFFCCF3},
    {"PastelsMap20", 20, 0x8C66FF, 0xFFCCF3},
    {"Bathymetry9", 9, 0x00F0FF, 0xEBFFFF},
    {"BlackBody", 181, 0xFF0C00, 0x7AD1FF},
    {"Spectrum", 201, 0x630063, 0x610000},
    {"SpectrumBlack", 476, 0x000000, 0x000000},
    {"Cycles", 201, 0x000000, 0x000000},
    {"Fiddle", 254, 0x2E0053, 0x701000},
    {"Pastels", 256, 0xFF7F7F, 0xFF7F80},
    {"RainbowCycle", 360, 0xEE117F, 0xEE117F},
    {"Rainbow4Cycles", 360, 0xEE117F, 0xEE117F},
    {"BlueGreenOrange", 300, 0x111151, 0xFF9E23},
    {"BrownViolet", 300, 0x000000, 0xFFFFFF},
    {"ColdWarm", 300, 0x00113A, 0xFFFF0A},
    {"Mocha", 300, 0x000200, 0xFFFFFF},
    {"VioletOrangeYellow", 300, 0x000200, 0xFFFFFF},
    {"SeaLandAndFire", 256, 0xE6E6E6, 0xFF0000},
    {"GreenMagenta16", 16, 0x005000, 0x500050},
    {"EOSOrangeBlue11", 11, 0x7D5121, 0x103A90},
    {"EOSSpectral11", 11, 0x9D1E37, 0x005EAD},
    {"dBZ14", 14, 0x00ECEC, 0x9955C9},
    {"dBZ21", 21, 0xC2FFFF, 0x9955C9},
    {"Web216", 216, 0x000000, 0xFFFFFF},
    {"DullBlue", 256, 0x000000, 0x66CCFF},
    {"DullYellow", 256, 0x000000, 0xFFFF7E},
    {"BlueFunk", 256, 0x010100, 0xC5FFFF},
    {"NYChristmas", 256, 0x010108, 0xC5FF07},
    {"PurpleHaze", 256, 0x010100, 0xFFFFFF},
    {"RPink", 256, 0x010000, 0xFFFFFF},
    {"Supersonic", 256, 0x1E0015, 0xFFFFEF},
    {"GreyBlue", 256, 0x000000, 0x0706F0},
    {"DesertSolitude", 256, 0x010100, 0xFFFFFF},
    {"Number2", 256, 0x3B0000, 0xE2ACA8},
    {"Number12", 256, 0x000000, 0xFFFFFF},
    {"BlueGrnYel", 256, 0x010000, 0xF5F5B3},
    {"BlueGrey", 256, 0x010100, 0xA7ABAD},
    {"BlkOrgBluWht", 256, 0x000000, 0xFFFFFF},
    {"DeepRedYellow", 256, 0x010100, 0xB79E47},
    {"FastBluGrnBeige", 256, 0x421D42, 0xFFFFF5},
    {"HarbourBlue", 256, 0x121662, 0xF8C983},
    {"SatBlueSeaGreen", 256, 0x26012E, 0x93FF7D},
    {"SubtleBlue", 256, 0x000000, 0xCBC8FF},
    {"TealYellowBW", 256, 0x0FA4A6, 0xFFFF1F},
    {"TwoTransitionsBlueGreen", 256, 0x000000, 0xFFFFFF},
};

std::vector<std::uint32_t> Entries(int index, bool invert = false, bool negative = false) {
    CColorTableHandler h;
    h.invert = invert;
    h.negative = negative;
    std::vector<std::uint32_t> out;
    h.AllocEntries(index, &out);
    return out;
}

int Channel(std::uint32_t c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}

// Each entry within one unit per component of the straight lines through the anchors.
void ExpectLines(const char* name, const std::vector<std::pair<int, std::uint32_t>>& anchors) {
    SCOPED_TRACE(name);
    const std::vector<std::uint32_t> e = Entries(CColorTableHandler::FindByName(name));
    ASSERT_EQ(static_cast<int>(e.size()), anchors.back().first + 1);
    for (std::size_t a = 0; a + 1 < anchors.size(); ++a) {
        const auto [k0, c0] = anchors[a];
        const auto [k1, c1] = anchors[a + 1];
        for (int k = k0; k <= k1; ++k) {
            for (int shift : {16, 8, 0}) {
                const double line = Channel(c0, shift) +
                                    (Channel(c1, shift) - Channel(c0, shift)) * double(k - k0) / (k1 - k0);
                EXPECT_NEAR(Channel(e[static_cast<std::size_t>(k)], shift), line, 1.0) << "entry " << k;
            }
        }
    }
}

TEST(ColorTables, NamesSizesAndEndsInListOrder) {
    ASSERT_EQ(CColorTableHandler::GetTableCount(), 79);
    int largest = 0;
    for (int i = 0; i < 79; ++i) {
        const TableCase& c = kTables[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CColorTableHandler::GetName(i), c.name);
        EXPECT_EQ(CColorTableHandler::FindByName(c.name), i);
        EXPECT_EQ(CColorTableHandler::GetEntryCount(i), c.entries);
        EXPECT_EQ(CColorTableHandler::GetEntryCountByName(c.name), c.entries);
        const std::vector<std::uint32_t> e = Entries(i);
        ASSERT_EQ(static_cast<int>(e.size()), c.entries);
        EXPECT_EQ(e.front(), c.first);
        EXPECT_EQ(e.back(), c.last);
        EXPECT_LE(CColorTableHandler::GetName(i).size(), 63u);
        largest = std::max(largest, c.entries);
    }
    EXPECT_EQ(largest, 476);
}

TEST(ColorTables, OutsideIndexesAndUnknownNames) {
    EXPECT_EQ(CColorTableHandler::GetEntryCount(8), 256);
    for (int bad : {79, -1, 1000, -2147483647 - 1}) {
        EXPECT_EQ(CColorTableHandler::GetEntryCount(bad), 0);
        EXPECT_EQ(CColorTableHandler::GetName(bad), "");
        std::uint32_t buf[4] = {};
        EXPECT_EQ(CColorTableHandler().FillEntries(bad, buf, 4), 0);
        std::vector<std::uint32_t> out;
        EXPECT_EQ(CColorTableHandler().AllocEntries(bad, &out), 0);
    }
    EXPECT_EQ(CColorTableHandler::FindByName("violetorangeyellow"), -1);
    EXPECT_EQ(CColorTableHandler::FindByName("VioletOrangeYellow"), 50);
    EXPECT_EQ(CColorTableHandler::FindByName(""), -1);
    EXPECT_EQ(CColorTableHandler::GetEntryCountByName("Grays "), 0);
    EXPECT_EQ(CColorTableHandler::GetDefaultIndex(), 50);
}

TEST(ColorTables, FillHandlesMissingArraysAndCapacity) {
    CColorTableHandler h;
    EXPECT_EQ(h.FillEntries(0, nullptr, 100), 0);
    EXPECT_EQ(h.AllocEntries(0, nullptr), 0);
    std::uint32_t buf[600] = {};
    EXPECT_EQ(h.FillEntries(0, buf, 0), 0);
    EXPECT_EQ(h.FillEntries(0, buf, -5), 0);
    EXPECT_EQ(h.FillEntries(40, buf, 600), 476);
    EXPECT_EQ(h.FillEntries(40, buf, 512), 476);
    EXPECT_EQ(h.FillEntries(8, buf, 3), 3);
    EXPECT_FALSE(CColorTableHandler::ReverseEntries(nullptr, 3));
    EXPECT_FALSE(CColorTableHandler::ReverseEntries(buf, 0));
    EXPECT_FALSE(CColorTableHandler::NegateEntries(nullptr, 3));
    EXPECT_FALSE(CColorTableHandler::NegateEntries(buf, 0));
}

TEST(ColorTables, InvertAndNegative) {
    const int grays256 = 8;
    EXPECT_EQ(Entries(grays256, true, true), Entries(grays256));
    const std::vector<std::uint32_t> neg = Entries(grays256, false, true);
    EXPECT_EQ(neg.front(), 0xFFFFFFu);
    EXPECT_EQ(neg.back(), 0x000000u);

    // Inverting a short fill reverses what was written, not the table's tail.
    CColorTableHandler h;
    h.invert = true;
    std::uint32_t buf[10] = {};
    ASSERT_EQ(h.FillEntries(0, buf, 10), 10);
    const std::vector<std::uint32_t> grays = Entries(0);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(buf[k], grays[static_cast<std::size_t>(9 - k)]);
    }

    // The fourth byte stays zero under negation.
    const std::vector<std::uint32_t> rainbow = Entries(1, false, true);
    EXPECT_EQ(rainbow.front(), 0x00FFFFu);
    for (std::uint32_t c : rainbow) {
        EXPECT_EQ(c >> 24, 0u);
    }
}

TEST(ColorTables, ListedEntriesAndRules) {
    const std::vector<std::uint32_t> grays16 = Entries(16);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(grays16[static_cast<std::size_t>(k)], 0x111111u * static_cast<std::uint32_t>(15 - k));
    }
    const std::vector<std::uint32_t> rainbow16 = Entries(17);
    EXPECT_EQ(rainbow16[2], 0xFF7F40u);
    EXPECT_EQ(rainbow16[11], 0x003EFFu);
    EXPECT_EQ(Entries(30)[16], 0xCDFFA2u);
    EXPECT_EQ(Entries(56)[6], 0x505050u);

    const std::vector<std::uint32_t> web = Entries(57);
    const std::uint32_t v[6] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};
    for (int k = 0; k < 216; ++k) {
        EXPECT_EQ(web[static_cast<std::size_t>(k)], (v[k / 36] << 16) | (v[(k / 6) % 6] << 8) | v[k % 6]);
    }
}

TEST(ColorTables, StraightLineTables) {
    ExpectLines("Grays", {{0, 0x000000}, {99, 0xFFFFFF}});
    ExpectLines("YellowHot", {{0, 0x000000}, {49, 0xFF0000}, {55, 0xFF0000}, {94, 0xFFFF00}, {99, 0xFFFF00}});
    ExpectLines("BlueRedGreen",
                {{0, 0x0000FF}, {49, 0xFF0000}, {50, 0xFF0000}, {54, 0xEB1400}, {99, 0x00FF00}});
    ExpectLines("RedWhiteBlue",
                {{0, 0xFF0000}, {49, 0xFFFFFF}, {50, 0xFFFFFF}, {54, 0xEBEBFF}, {99, 0x0000FF}});
    ExpectLines(
        "YellowHot256",
        {{0, 0x000000}, {127, 0xFF0000}, {140, 0xFF0000}, {241, 0xFFFD00}, {242, 0xFFFF00}, {255, 0xFFFF00}});
    ExpectLines("Copper",
                {{0, 0x000000}, {127, 0xFF9E66}, {190, 0xFFC77F}, {192, 0xFFC77F}, {255, 0xFFFFFF}});
    ExpectLines("BlueBlackRed", {{0, 0x7F7FFF},
                                 {63, 0x000080},
                                 {127, 0x000000},
                                 {128, 0x000000},
                                 {191, 0x7F0000},
                                 {192, 0x7F0000},
                                 {255, 0xFF7F7F}});
    ExpectLines("Magenta", {{0, 0x000000}, {127, 0xFF00FF}, {128, 0xFF00FF}, {255, 0xFFFFFF}});
    ExpectLines(
        "Number2",
        {{0, 0x3B0000}, {86, 0x740000}, {150, 0x9D8200}, {171, 0xABAC00}, {172, 0xACAC00}, {255, 0xE2ACA8}});
    ExpectLines("Number12",
                {{0, 0x000000}, {17, 0x000000}, {98, 0x570000}, {167, 0xA17000}, {255, 0xFFFFFF}});
    ExpectLines("DullYellow", {{0, 0x000000}, {255, 0xFFFF7E}});
}

// Designed ramps must not jump: neighbouring entries stay close in every component.
TEST(ColorTables, DesignedTablesAreSmooth) {
    const char* smooth[] = {"Rainbow256", "BlueHot256",         "Terrain256",    "Geo",
                            "PastelsMap", "BlackBody",          "SpectrumBlack", "RainbowCycle",
                            "Pastels",    "VioletOrangeYellow", "Mocha",         "TwoTransitionsBlueGreen"};
    for (const char* name : smooth) {
        SCOPED_TRACE(name);
        const std::vector<std::uint32_t> e = Entries(CColorTableHandler::FindByName(name));
        for (std::size_t k = 1; k < e.size(); ++k) {
            for (int shift : {16, 8, 0}) {
                EXPECT_LE(std::abs(Channel(e[k], shift) - Channel(e[k - 1], shift)), 24) << "entry " << k;
            }
        }
    }
}

} // namespace
