#include "shellext/RenderForcePlot.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <span>

namespace {

constexpr std::uint8_t kWhite = 0;
constexpr std::uint8_t kRed = 2;
constexpr std::uint8_t kBlue = 3;

struct Point {
    std::int32_t x, y;
};

void Plot(PaletteBitmap* b, std::int32_t x, std::int32_t y, std::uint8_t index) {
    if (x < 0 || y < 0 || x >= b->width || y >= b->height) {
        return;
    }
    std::size_t row = static_cast<std::size_t>(b->height - 1 - y); // y counts from the top
    b->pixels[row * static_cast<std::size_t>(b->rowLength) + static_cast<std::size_t>(x)] = index;
}

// One pixel wide, the end point left out, like the platform's line drawing.
void Line(PaletteBitmap* b, Point from, Point to, std::uint8_t index) {
    std::int32_t dx = std::abs(to.x - from.x);
    std::int32_t dy = -std::abs(to.y - from.y);
    std::int32_t sx = from.x < to.x ? 1 : -1;
    std::int32_t sy = from.y < to.y ? 1 : -1;
    std::int32_t error = dx + dy;
    Point p = from;
    while (p.x != to.x || p.y != to.y) {
        Plot(b, p.x, p.y, index);
        std::int32_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

void Trace(PaletteBitmap* b, std::span<const std::uint8_t> samples, float xs, float ys, std::int32_t m,
           std::uint8_t index) {
    if (samples.empty()) {
        return;
    }
    auto y = [&](std::uint8_t v) { return m + static_cast<std::int32_t>(static_cast<float>(255 - v) * ys); };
    Point at{0, y(samples[0])};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        // x grows with i: once past the right edge every later segment is outside too, and
        // stopping there keeps x far from the 32-bit limit.
        if (at.x >= b->width) {
            return;
        }
        Point next{static_cast<std::int32_t>((static_cast<float>(i) + 0.5f) * xs), y(samples[i])};
        Line(b, at, next, index);
        at = next;
    }
}

} // namespace

std::array<std::uint32_t, 256> ForcePlotPalette() {
    std::array<std::uint32_t, 256> palette{};
    palette.fill(0xFFFFFF);
    palette[1] = 0x000000;
    palette[2] = 0xFF0000;
    palette[3] = 0x0000FF;
    return palette;
}

std::optional<PaletteBitmap> RenderForcePlot(const IBWForcePreview& record, ThumbnailSize size) {
    if (record.dataLength <= 0 || record.extendLength < 0 || record.retractLength < 0 ||
        record.data.size() <
            static_cast<std::size_t>(record.extendLength) + static_cast<std::size_t>(record.retractLength)) {
        return std::nullopt;
    }
    // The own size of a long curve is capped where thumbnails end (the largest kept by the Windows
    // thumbnail cache): a length the file merely claims must not make the bitmap huge.
    const std::int32_t natural = std::min(record.dataLength, kLargestOwnPlotSide);
    std::int32_t w = size.cx != 0 ? size.cx : natural;
    std::int32_t h = size.cx != 0 ? size.cy : natural;
    PaletteBitmap plot;
    if (!PaletteBitmap::Create(w, h, ForcePlotPalette(), &plot)) {
        return std::nullopt;
    }
    std::fill(plot.pixels.begin(), plot.pixels.end(), kWhite);
    float xs = static_cast<float>(w) / static_cast<float>(record.dataLength);
    float ys = static_cast<float>(h) / 255.0f * 0.9f;
    auto m = static_cast<std::int32_t>(static_cast<double>(h) * static_cast<double>(0.1f) * 0.5);
    std::span<const std::uint8_t> samples(record.data);
    std::size_t extend = static_cast<std::size_t>(record.extendLength);
    Trace(&plot, samples.first(extend), xs, ys, m, kRed);
    Trace(&plot, samples.subspan(extend, static_cast<std::size_t>(record.retractLength)), xs, ys, m, kBlue);
    return plot;
}
