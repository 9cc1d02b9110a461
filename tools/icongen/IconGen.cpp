#include "tools/icongen/IconGen.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

namespace icongen {

namespace {

constexpr int kSamples = 4; // per pixel and axis
constexpr std::array<int, 5> kSides = {16, 24, 32, 48, 256};

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

struct Point {
    double x, y;
};

double SegmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Even-odd rule.
bool Inside(Point p, const std::vector<Point>& polygon) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

double EdgeDistance(Point p, const std::vector<Point>& polygon) {
    double nearest = 1e9;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        nearest = std::min(nearest, SegmentDistance(p, polygon[j], polygon[i]));
    }
    return nearest;
}

// Violet through orange to yellow, as height maps are usually shown.
Rgba HeightColour(double v) {
    v = std::clamp(v, 0.0, 1.0);
    const Rgba stops[3] = {{0.30, 0.10, 0.45, 1}, {0.93, 0.45, 0.12, 1}, {1.00, 0.93, 0.40, 1}};
    const int i = v < 0.5 ? 0 : 1;
    const double t = (v - 0.5 * i) * 2;
    return {stops[i].r + (stops[i + 1].r - stops[i].r) * t, stops[i].g + (stops[i + 1].g - stops[i].g) * t,
            stops[i].b + (stops[i + 1].b - stops[i].b) * t, 1};
}

// The picture inside the page, at u, v in [0, 1] across its area.
Rgba Content(IconKind kind, double u, double v) {
    if (kind == IconKind::Wave) {
        const double bump = std::exp(-((u - 0.35) * (u - 0.35) + (v - 0.62) * (v - 0.62)) / 0.045) +
                            0.75 * std::exp(-((u - 0.72) * (u - 0.72) + (v - 0.3) * (v - 0.3)) / 0.03);
        return HeightColour(0.1 + 0.8 * bump + 0.08 * std::sin(18 * u) * std::sin(14 * v));
    }
    // Four tiles with a gap between them, each its own grey ramp.
    const double gap = 0.08;
    const int column = u < 0.5 ? 0 : 1;
    const int row = v < 0.5 ? 0 : 1;
    const double tu = (u - 0.5 * column) / 0.5;
    const double tv = (v - 0.5 * row) / 0.5;
    if (tu < gap / 2 || tu > 1 - gap / 2 || tv < gap / 2 || tv > 1 - gap / 2) {
        return {};
    }
    const double grey = 0.25 + 0.5 * (column == row ? tu : tv) + 0.15 * row;
    return {grey * 0.9, grey * 0.95, grey, 1};
}

Rgba Sample(IconKind kind, double side, Point p) {
    const double x0 = 0.17 * side, x1 = 0.83 * side, y0 = 0.05 * side, y1 = 0.95 * side;
    const double fold = 0.28 * (x1 - x0);
    const double line = std::max(1.0, side / 32.0);
    const std::vector<Point> page = {{x0, y0}, {x1 - fold, y0}, {x1, y0 + fold}, {x1, y1}, {x0, y1}};
    const std::vector<Point> flap = {{x1 - fold, y0}, {x1 - fold, y0 + fold}, {x1, y0 + fold}};
    const Rgba border = {0.38, 0.40, 0.44, 1};
    if (!Inside(p, page) && EdgeDistance(p, page) > line / 2) {
        return {};
    }
    if (EdgeDistance(p, page) <= line / 2 || (Inside(p, flap) && EdgeDistance(p, flap) <= line / 2)) {
        return border;
    }
    if (Inside(p, flap)) {
        return {0.84, 0.86, 0.89, 1};
    }
    const double cx0 = x0 + 0.13 * (x1 - x0), cx1 = x1 - 0.13 * (x1 - x0);
    const double cy0 = y0 + fold + 0.05 * (y1 - y0), cy1 = y1 - 0.08 * (y1 - y0);
    if (p.x >= cx0 && p.x < cx1 && p.y >= cy0 && p.y < cy1) {
        Rgba c = Content(kind, (p.x - cx0) / (cx1 - cx0), (p.y - cy0) / (cy1 - cy0));
        if (c.a > 0) {
            return c;
        }
    }
    return {0.98, 0.98, 0.98, 1};
}

std::uint8_t Byte(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

void Put16(std::vector<std::uint8_t>* out, std::uint32_t v) {
    out->push_back(static_cast<std::uint8_t>(v));
    out->push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>* out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A 32-bit bottom-up bitmap and its mask (set where the picture is mostly transparent, for
// whatever draws icons without alpha), as icon entries store them.
std::vector<std::uint8_t> BitmapEntry(const std::vector<std::uint8_t>& rgba, int side) {
    std::vector<std::uint8_t> out;
    Put32(&out, 40);
    Put32(&out, static_cast<std::uint32_t>(side));
    Put32(&out, static_cast<std::uint32_t>(side * 2)); // colour and mask
    Put16(&out, 1);
    Put16(&out, 32);
    for (int i = 0; i < 6; ++i) {
        Put32(&out, 0);
    }
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; ++x) {
            const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * side + x) * 4];
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    const std::size_t maskRow = static_cast<std::size_t>((side + 31) / 32 * 4);
    for (int y = side - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRow, 0);
        for (int x = 0; x < side; ++x) {
            if (rgba[(static_cast<std::size_t>(y) * side + x) * 4 + 3] < 128) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void AppendPng(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

std::vector<std::uint8_t> PngEntry(const std::vector<std::uint8_t>& rgba, int side) {
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, AppendPng, nullptr);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, static_cast<png_uint_32>(side), static_cast<png_uint_32>(side), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < side; ++y) {
        png_write_row(png, rgba.data() + static_cast<std::size_t>(y) * side * 4);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace

std::vector<std::uint8_t> DrawIcon(IconKind kind, int side) {
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(side) * side * 4);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            // Averaged with alpha weights, so edges blend into what lies behind the icon.
            Rgba sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Rgba c = Sample(kind, side, {x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples});
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            }
            std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * side + x) * 4];
            const double a = sum.a / (kSamples * kSamples);
            p[0] = sum.a > 0 ? Byte(sum.r / sum.a) : 0;
            p[1] = sum.a > 0 ? Byte(sum.g / sum.a) : 0;
            p[2] = sum.a > 0 ? Byte(sum.b / sum.a) : 0;
            p[3] = Byte(a);
        }
    }
    return rgba;
}

std::vector<std::uint8_t> BuildIco(IconKind kind) {
    std::vector<std::vector<std::uint8_t>> images;
    for (int side : kSides) {
        const std::vector<std::uint8_t> rgba = DrawIcon(kind, side);
        images.push_back(side >= 256 ? PngEntry(rgba, side) : BitmapEntry(rgba, side));
    }
    std::vector<std::uint8_t> out;
    Put16(&out, 0);
    Put16(&out, 1);
    Put16(&out, static_cast<std::uint32_t>(kSides.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(kSides.size());
    for (std::size_t i = 0; i < kSides.size(); ++i) {
        const std::uint8_t side = static_cast<std::uint8_t>(kSides[i] >= 256 ? 0 : kSides[i]);
        out.insert(out.end(), {side, side, 0, 0});
        Put16(&out, 1);
        Put16(&out, 32);
        Put32(&out, static_cast<std::uint32_t>(images[i].size()));
        Put32(&out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

bool WriteIcons(const std::string& folder) {
    bool ok = true;
    for (auto [kind, name] :
         {std::pair{IconKind::Wave, "ibwfile.ico"}, std::pair{IconKind::Container, "qvdffile.ico"}}) {
        const std::vector<std::uint8_t> bytes = BuildIco(kind);
        std::ofstream file(folder + "/" + name, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        ok = static_cast<bool>(file) && ok;
    }
    return ok;
}

} // namespace icongen
