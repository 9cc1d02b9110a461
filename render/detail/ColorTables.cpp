// The built-in colour tables, declared by the rule that produces each one: straight lines between
// anchor entries, evenly spread anchors, explicit lists, hue sweeps and the web-safe cube.
#include "ColorTables.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <utility>

namespace {

ColorTableEntry FromHex(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
}

std::uint8_t ToByte(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
}

struct Anchor {
    double at;         // entry index (Lines) or fraction of the table (Spread)
    std::uint32_t rgb; // 0xRRGGBB
};

// Straight lines through anchors at entry indexes, in increasing order from 0 to n - 1.
std::vector<ColorTableEntry> Interpolate(int n, const std::vector<Anchor>& anchors) {
    std::vector<ColorTableEntry> out(static_cast<std::size_t>(n));
    std::size_t seg = 0;
    for (int k = 0; k < n; ++k) {
        while (seg + 2 < anchors.size() && k > anchors[seg + 1].at) {
            ++seg;
        }
        const double span = anchors[seg + 1].at - anchors[seg].at;
        const double t = span > 0 ? (k - anchors[seg].at) / span : 0.0;
        const ColorTableEntry c0 = FromHex(anchors[seg].rgb);
        const ColorTableEntry c1 = FromHex(anchors[seg + 1].rgb);
        out[static_cast<std::size_t>(k)] = {ToByte(c0.r + (c1.r - c0.r) * t),
                                            ToByte(c0.g + (c1.g - c0.g) * t),
                                            ToByte(c0.b + (c1.b - c0.b) * t)};
    }
    return out;
}

std::vector<ColorTableEntry> Lines(int n, std::initializer_list<Anchor> anchors) {
    return Interpolate(n, std::vector<Anchor>(anchors));
}

// Anchors at fractions 0..1 of the table, so one design serves tables of several sizes.
std::vector<ColorTableEntry> Spread(int n, std::initializer_list<Anchor> anchors) {
    std::vector<Anchor> scaled;
    for (const Anchor& a : anchors) {
        scaled.push_back({a.at * (n - 1), a.rgb});
    }
    return Interpolate(n, scaled);
}

// Evenly spaced anchors across the whole table.
std::vector<ColorTableEntry> Ramp(int n, std::initializer_list<std::uint32_t> colours) {
    std::vector<Anchor> anchors;
    const double step = static_cast<double>(n - 1) / static_cast<double>(colours.size() - 1);
    for (std::uint32_t c : colours) {
        anchors.push_back({step * static_cast<double>(anchors.size()), c});
    }
    return Interpolate(n, anchors);
}

std::vector<ColorTableEntry> List(std::initializer_list<std::uint32_t> colours) {
    std::vector<ColorTableEntry> out;
    for (std::uint32_t c : colours) {
        out.push_back(FromHex(c));
    }
    return out;
}

struct Hsv {
    double h; // degrees
    double s; // 0..1
    double v; // 0..1
};

Hsv ToHsv(std::uint32_t rgb) {
    const ColorTableEntry e = FromHex(rgb);
    const double r = e.r / 255.0, g = e.g / 255.0, b = e.b / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b}), d = mx - mn;
    double h = 0;
    if (d > 0) {
        if (mx == r) {
            h = 60 * std::fmod((g - b) / d + 6, 6.0);
        } else if (mx == g) {
            h = 60 * ((b - r) / d + 2);
        } else {
            h = 60 * ((r - g) / d + 4);
        }
    }
    return {h, mx > 0 ? d / mx : 0, mx};
}

ColorTableEntry FromHsv(Hsv c) {
    const double h = std::fmod(std::fmod(c.h, 360.0) + 360.0, 360.0) / 60.0;
    const double f = h - std::floor(h);
    const double p = c.v * (1 - c.s), q = c.v * (1 - c.s * f), t = c.v * (1 - c.s * (1 - f));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
    case 0:
        r = c.v, g = t, b = p;
        break;
    case 1:
        r = q, g = c.v, b = p;
        break;
    case 2:
        r = p, g = c.v, b = t;
        break;
    case 3:
        r = p, g = q, b = c.v;
        break;
    case 4:
        r = t, g = p, b = c.v;
        break;
    default:
        r = c.v, g = p, b = q;
        break;
    }
    return {ToByte(r * 255), ToByte(g * 255), ToByte(b * 255)};
}

// Hue rises from `from` to `to` plus `turns` full circles; saturation and value change linearly.
// The ends are set exactly so that rounding cannot move them.
std::vector<ColorTableEntry> HueSweep(int n, std::uint32_t from, std::uint32_t to, int turns) {
    const Hsv a = ToHsv(from);
    Hsv b = ToHsv(to);
    b.h += 360.0 * turns;
    if (b.h < a.h) {
        b.h += 360.0;
    }
    std::vector<ColorTableEntry> out(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) / (n - 1);
        out[static_cast<std::size_t>(k)] =
            FromHsv({a.h + (b.h - a.h) * t, a.s + (b.s - a.s) * t, a.v + (b.v - a.v) * t});
    }
    out.front() = FromHex(from);
    out.back() = FromHex(to);
    return out;
}

// Full-saturation hue circle whose brightness rises and falls `cycles` times, black at both ends:
// equal heights far apart share a hue band but not a brightness.
std::vector<ColorTableEntry> BrightnessCycles(int n, int cycles) {
    const double pi = std::acos(-1.0);
    std::vector<ColorTableEntry> out(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) / (n - 1);
        const double wave = std::sin(pi * cycles * t);
        out[static_cast<std::size_t>(k)] = FromHsv({300.0 * t, 1.0, wave * wave});
    }
    return out;
}

// The web-safe colour cube: blue varies fastest, red slowest.
std::vector<ColorTableEntry> Web216() {
    static constexpr std::uint8_t v[6] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};
    std::vector<ColorTableEntry> out;
    for (int k = 0; k < 216; ++k) {
        out.push_back({v[k / 36], v[(k / 6) % 6], v[k % 6]});
    }
    return out;
}

// Shared designs of the tables that come in several sizes.
std::vector<ColorTableEntry> BlueHot(int n) {
    return Ramp(n, {0x000000, 0x001040, 0x0A3090, 0x2060D0, 0x3380FF});
}

std::vector<ColorTableEntry> PlanetEarth(int n) {
    return Ramp(n, {0x000000, 0x3A2410, 0x7A5A2A, 0x4A7A2A, 0x207A6A, 0x1050B0, 0x0000FF});
}

std::vector<ColorTableEntry> Terrain(int n) {
    return Spread(n, {{0.0, 0x333399},
                      {0.15, 0x0099FF},
                      {0.25, 0x00CC66},
                      {0.5, 0xFFFF99},
                      {0.75, 0x805C54},
                      {1.0, 0xFFFFFF}});
}

std::vector<ColorTable> Build() {
    std::vector<ColorTable> t;
    auto add = [&t](const char* name, std::vector<ColorTableEntry> entries) {
        t.push_back({name, std::move(entries)});
    };
    add("Grays", Lines(100, {{0, 0x000000}, {99, 0xFFFFFF}}));
    add("Rainbow",
        Lines(
            100,
            {{0, 0xFF0000}, {22, 0xFFFF00}, {44, 0x00FF00}, {66, 0x00FFFF}, {88, 0x0000FF}, {99, 0x7F00FF}}));
    add("YellowHot",
        Lines(100, {{0, 0x000000}, {49, 0xFF0000}, {55, 0xFF0000}, {94, 0xFFFF00}, {99, 0xFFFF00}}));
    add("BlueHot", BlueHot(100));
    add("BlueRedGreen",
        Lines(100, {{0, 0x0000FF}, {49, 0xFF0000}, {50, 0xFF0000}, {54, 0xEB1400}, {99, 0x00FF00}}));
    add("RedWhiteBlue",
        Lines(100, {{0, 0xFF0000}, {49, 0xFFFFFF}, {50, 0xFFFFFF}, {54, 0xEBEBFF}, {99, 0x0000FF}}));
    add("PlanetEarth", PlanetEarth(100));
    add("Terrain", Terrain(100));
    add("Grays256", Lines(256, {{0, 0x000000}, {255, 0xFFFFFF}}));
    add("Rainbow256", Lines(256, {{0, 0xFF0000},
                                  {57, 0xFFFF00},
                                  {113, 0x00FF00},
                                  {170, 0x00FFFF},
                                  {227, 0x0000FF},
                                  {255, 0x7F00FF}}));
    add("YellowHot256", Lines(256, {{0, 0x000000},
                                    {127, 0xFF0000},
                                    {140, 0xFF0000},
                                    {241, 0xFFFD00},
                                    {242, 0xFFFF00},
                                    {255, 0xFFFF00}}));
    add("BlueHot256", BlueHot(256));
    add("BlueRedGreen256", Lines(256, {{0, 0x0000FF}, {127, 0xFF0000}, {128, 0xFF0000}, {255, 0x00FF00}}));
    add("RedWhiteBlue256", Lines(256, {{0, 0xFF0000}, {127, 0xFFFFFF}, {128, 0xFFFFFF}, {255, 0x0000FF}}));
    add("PlanetEarth256", PlanetEarth(256));
    add("Terrain256", Terrain(256));
    add("Grays16", List({0xFFFFFF, 0xEEEEEE, 0xDDDDDD, 0xCCCCCC, 0xBBBBBB, 0xAAAAAA, 0x999999, 0x888888,
                         0x777777, 0x666666, 0x555555, 0x444444, 0x333333, 0x222222, 0x111111, 0x000000}));
    add("Rainbow16", List({0xFF0000, 0xCC0000, 0xFF7F40, 0xFF5500, 0xFFAA00, 0xFFFF00, 0x80FF00, 0x00FF00,
                           0x00FF81, 0x00FFFF, 0x00AAFF, 0x003EFF, 0x7300E6, 0x6700CC, 0x4D0099, 0x99007A}));
    for (auto [name, mid] :
         {std::pair{"Red", 0xFF0000u}, std::pair{"Green", 0x00FF00u}, std::pair{"Blue", 0x0000FFu},
          std::pair{"Cyan", 0x00FFFFu}, std::pair{"Magenta", 0xFF00FFu}, std::pair{"Yellow", 0xFFFF00u}}) {
        add(name, Lines(256, {{0, 0x000000}, {127, mid}, {128, mid}, {255, 0xFFFFFF}}));
    }
    add("Copper",
        Lines(256, {{0, 0x000000}, {127, 0xFF9E66}, {190, 0xFFC77F}, {192, 0xFFC77F}, {255, 0xFFFFFF}}));
    add("Gold", Lines(256, {{0, 0x000000}, {127, 0xFF7F00}, {128, 0xFF7F00}, {255, 0xFFFFFF}}));
    add("CyanMagenta", Lines(256, {{0, 0x00FFFF}, {255, 0xFF00FF}}));
    add("RedWhiteGreen", Lines(256, {{0, 0xFF0000}, {127, 0xFFFFFF}, {128, 0xFFFFFF}, {255, 0x00FF00}}));
    add("BlueBlackRed", Lines(256, {{0, 0x7F7FFF},
                                    {63, 0x000080},
                                    {127, 0x000000},
                                    {128, 0x000000},
                                    {191, 0x7F0000},
                                    {192, 0x7F0000},
                                    {255, 0xFF7F7F}}));
    // The large tables of the mapping families are smooth versions of their short lists; the
    // relief maps keep a sharp break at the coast line.
    add("Geo", Ramp(256, {0x0A0078, 0x280096, 0x1405AF, 0x000AC8, 0x0019D4, 0x0028E0, 0x1A66F0, 0x0D81F8,
                          0x19AFFF, 0x32BEFF, 0x44CAFF, 0x61E1F0, 0x6AEBE1, 0x7CEBC8, 0x8AECAE, 0xACF5A8,
                          0xCDFFA2, 0xDFF58D, 0xF0EC79, 0xF7D768, 0xFFBD57, 0xFFA045, 0xF4754B, 0xEE504E,
                          0xFF5A5A, 0xFF7C7C, 0xFF9E9E, 0xF5B3AE, 0xFFC4C4, 0xFFD7D7, 0xFFEBEB, 0xFFFFFF}));
    add("Geo32", List({0x0A0079, 0x280096, 0x1405AF, 0x000AC8, 0x0019D4, 0x0028E0, 0x1A66F0, 0x0D81F8,
                       0x19AFFF, 0x32BEFF, 0x44CAFF, 0x61E1F0, 0x6AEBE1, 0x7CEBC8, 0x8AECAE, 0xACF5A8,
                       0xCDFFA2, 0xDFF58D, 0xF0EC79, 0xF7D768, 0xFFBD57, 0xFFA045, 0xF4754B, 0xEE504E,
                       0xFF5A5A, 0xFF7C7C, 0xFF9E9E, 0xF5B3AE, 0xFFC4C4, 0xFFD7D7, 0xFFEBEB, 0xFFFFFF}));
    add("LandAndSea", Spread(255, {{0.0, 0x3F5E73},
                                   {0.2, 0x80BFE6},
                                   {0.21, 0x2E8C2E},
                                   {0.37, 0x8F8C45},
                                   {0.53, 0xD9994C},
                                   {0.68, 0xD9B366},
                                   {0.84, 0xFADC97},
                                   {1.0, 0xFFFFFF}}));
    add("LandAndSea8",
        List({0x405E73, 0x80BFE6, 0x2E8C2E, 0x8F8C45, 0xD9994C, 0xD9B366, 0xFADC97, 0xFFFFFF}));
    add("Relief", Spread(255, {{0.0, 0x000000},
                               {0.056, 0x000519},
                               {0.112, 0x000A32},
                               {0.169, 0x00507D},
                               {0.225, 0x0096C8},
                               {0.281, 0x56C5B8},
                               {0.337, 0xACF5A8},
                               {0.394, 0xD3FAD3},
                               {0.45, 0xFAFFFF},
                               {0.46, 0x467832},
                               {0.52, 0x786432},
                               {0.58, 0x927E3C},
                               {0.64, 0xC6B250},
                               {0.7, 0xFAE664},
                               {0.76, 0xFAEA7E},
                               {0.82, 0xFCEE98},
                               {0.88, 0xFCF3B1},
                               {0.94, 0xFDF9D8},
                               {1.0, 0xFFFFFF}}));
    add("Relief19", List({0x000000, 0x000519, 0x000A32, 0x00507D, 0x0096C8, 0x56C5B8, 0xACF5A8, 0xD3FAD3,
                          0xFAFFFF, 0x467832, 0x786432, 0x927E3C, 0xC6B250, 0xFAE664, 0xFAEA7E, 0xFCEE98,
                          0xFCF3B1, 0xFDF9D8, 0xFFFFFF}));
    add("PastelsMap", Ramp(301, {0x8C66FF, 0x6666FF, 0x668CFF, 0x66B3FF, 0x66D9FF, 0x66FFFF, 0x66FFD9,
                                 0x66FFB3, 0x66FF8C, 0x66FF66, 0x8CFF66, 0xB3FF66, 0xD9FF66, 0xFFFFA6,
                                 0xFFE2A6, 0xFFC4A6, 0xFFA6A6, 0xFFB3C6, 0xFFBFDF, 0xFFCCF3}));
    add("PastelsMap20", List({0x8C66FF, 0x6666FF, 0x668CFF, 0x66B3FF, 0x66D9FF, 0x66FFFF, 0x66FFD9,
                              0x66FFB3, 0x66FF8C, 0x66FF66, 0x8CFF66, 0xB3FF66, 0xD9FF66, 0xFFFFA6,
                              0xFFE2A6, 0xFFC4A6, 0xFFA6A6, 0xFFB3C6, 0xFFBFDF, 0xFFCCF3}));
    add("Bathymetry9",
        List({0x00F0FF, 0x23FFFF, 0x5AFFFF, 0x8CFFE6, 0xA5FFD7, 0xC3FFD7, 0xD2FFD7, 0xE6FFF0, 0xEBFFFF}));
    // Glowing body from red heat through white to the blue of the hottest stars.
    add("BlackBody", Ramp(181, {0xFF0C00, 0xFF6A10, 0xFFA848, 0xFFD8A0, 0xFFF4EC, 0xC8DCFF, 0x7AD1FF}));
    add("Spectrum", Ramp(201, {0x630063, 0x7F00FF, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF7F00, 0xFF0000,
                               0x610000}));
    add("SpectrumBlack", Ramp(476, {0x000000, 0x5A00A0, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF7F00,
                                    0xFF0000, 0x000000}));
    add("Cycles", BrightnessCycles(201, 5));
    add("Fiddle", Ramp(254, {0x2E0053, 0x2040A0, 0x20A0A0, 0x80D060, 0xF0E040, 0xE07020, 0x701000}));
    add("Pastels", HueSweep(256, 0xFF7F7F, 0xFF7F80, 0));
    add("RainbowCycle", HueSweep(360, 0xEE117F, 0xEE117F, 1));
    add("Rainbow4Cycles", HueSweep(360, 0xEE117F, 0xEE117F, 4));
    add("BlueGreenOrange", Ramp(300, {0x111151, 0x1D4F8A, 0x1E8C8C, 0x5DB35E, 0xC9B43A, 0xFF9E23}));
    add("BrownViolet", Ramp(300, {0x000000, 0x4A2A12, 0x8C5A32, 0x9A6AB0, 0xC8A8E8, 0xFFFFFF}));
    add("ColdWarm", Ramp(300, {0x00113A, 0x1F4FA0, 0x5FA0D0, 0xE0D0B0, 0xF08030, 0xFFC020, 0xFFFF0A}));
    add("Mocha", Ramp(300, {0x000200, 0x3B2418, 0x6F4A32, 0xA47C5C, 0xD2B496, 0xFFFFFF}));
    add("VioletOrangeYellow",
        Ramp(300, {0x000200, 0x2E0A5C, 0x7A1C80, 0xC03A6A, 0xF0703A, 0xFFB030, 0xFFE870, 0xFFFFFF}));
    add("SeaLandAndFire", Ramp(256, {0xE6E6E6, 0x8CC8F0, 0x2060B0, 0x207840, 0xA0A040, 0xF0A030, 0xFF0000}));
    add("GreenMagenta16",
        List({0x005000, 0x008600, 0x00BB00, 0x00F100, 0x50FF50, 0x86FF86, 0xBBFFBB, 0xFFFFFF, 0xFFF1FF,
              0xFFBBFF, 0xFF86FF, 0xFF50FF, 0xF100F1, 0xBB00BB, 0x860086, 0x500050}));
    add("EOSOrangeBlue11", List({0x7D5121, 0xAC6529, 0xD97F32, 0xF5AA79, 0xF0D1BC, 0xEDF1F3, 0xC4DBEC,
                                 0x90B0DA, 0x5B85C3, 0x374D9E, 0x103A90}));
    add("EOSSpectral11", List({0x9D1E37, 0xCD3A46, 0xE96F67, 0xF2A279, 0xF7D198, 0xF2EBB9, 0xCFE7EF, 0x8AD1EB,
                               0x3ABBEC, 0x009ADB, 0x005EAD}));
    add("dBZ14", List({0x00ECEC, 0x00A0F6, 0x0000F6, 0x00FF00, 0x00C800, 0x009000, 0xFFFF00, 0xE7C000,
                       0xFF9000, 0xFF0000, 0xD60000, 0xC00000, 0xFF00FF, 0x9955C9}));
    add("dBZ21", List({0xC2FFFF, 0xC288C2, 0x885288, 0x522352, 0xC2C288, 0x888852, 0x505050,
                       0x00ECEC, 0x00A0F6, 0x0000F6, 0x00FF00, 0x00C800, 0x009000, 0xFFFF00,
                       0xE7C000, 0xFF9000, 0xFF0000, 0xD60000, 0xC00000, 0xFF00FF, 0x9955C9}));
    add("Web216", Web216());
    add("DullBlue", Lines(256, {{0, 0x000000}, {255, 0x66CCFF}}));
    add("DullYellow", Lines(256, {{0, 0x000000}, {255, 0xFFFF7E}}));
    add("BlueFunk", Ramp(256, {0x010100, 0x10205A, 0x2050A0, 0x3A90C8, 0x80D0E8, 0xC5FFFF}));
    add("NYChristmas", Ramp(256, {0x010108, 0x600A14, 0xC02020, 0x208040, 0x60C020, 0xC5FF07}));
    add("PurpleHaze", Ramp(256, {0x010100, 0x2A0A48, 0x6A2490, 0xA860C0, 0xD8A8E8, 0xFFFFFF}));
    add("RPink", Ramp(256, {0x010000, 0x4A0A20, 0x9A2050, 0xE0608E, 0xF8B0C8, 0xFFFFFF}));
    add("Supersonic", Ramp(256, {0x1E0015, 0x4A0A5A, 0x1A40A0, 0x20A0C0, 0xA0E0C0, 0xFFFFEF}));
    add("GreyBlue", Ramp(256, {0x000000, 0x404040, 0x808080, 0x6A6AB0, 0x3030D8, 0x0706F0}));
    add("DesertSolitude", Ramp(256, {0x010100, 0x3A2A1A, 0x7A5A3A, 0xB8905E, 0xE0C8A0, 0xFFFFFF}));
    add("Number2", Lines(256, {{0, 0x3B0000},
                               {86, 0x740000},
                               {150, 0x9D8200},
                               {171, 0xABAC00},
                               {172, 0xACAC00},
                               {255, 0xE2ACA8}}));
    add("Number12",
        Lines(256, {{0, 0x000000}, {17, 0x000000}, {98, 0x570000}, {167, 0xA17000}, {255, 0xFFFFFF}}));
    add("BlueGrnYel", Ramp(256, {0x010000, 0x0A1E5A, 0x1A5A8A, 0x2A9A7A, 0x8ACA5A, 0xF5F5B3}));
    add("BlueGrey", Ramp(256, {0x010100, 0x10244A, 0x2A4A78, 0x5A7490, 0x8290A0, 0xA7ABAD}));
    add("BlkOrgBluWht", Ramp(256, {0x000000, 0x7A3000, 0xF08020, 0x3060C0, 0x90C0F0, 0xFFFFFF}));
    add("DeepRedYellow", Ramp(256, {0x010100, 0x3A0508, 0x7A1010, 0xA04020, 0xB07A38, 0xB79E47}));
    add("FastBluGrnBeige", Spread(256, {{0.0, 0x421D42},
                                        {0.12, 0x2040A0},
                                        {0.3, 0x20A0A0},
                                        {0.5, 0x80D090},
                                        {0.75, 0xE8E8C0},
                                        {1.0, 0xFFFFF5}}));
    add("HarbourBlue", Ramp(256, {0x121662, 0x1E4A8A, 0x4A7AA0, 0x9AA0A0, 0xD8B890, 0xF8C983}));
    add("SatBlueSeaGreen", Ramp(256, {0x26012E, 0x1A1A9A, 0x0060E0, 0x00B0C0, 0x30E090, 0x93FF7D}));
    add("SubtleBlue", Ramp(256, {0x000000, 0x20204A, 0x45458A, 0x7070B8, 0x9E9CE0, 0xCBC8FF}));
    add("TealYellowBW", Ramp(256, {0x0FA4A6, 0x50B890, 0xA0D860, 0xFFFF1F}));
    add("TwoTransitionsBlueGreen",
        Spread(256, {{0.0, 0x000000}, {0.45, 0x1050D0}, {0.55, 0x20A060}, {1.0, 0xFFFFFF}}));
    return t;
}

} // namespace

const std::vector<ColorTable>& BuiltInColorTables() {
    static const std::vector<ColorTable> tables = Build();
    return tables;
}
