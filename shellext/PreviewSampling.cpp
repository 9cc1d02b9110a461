#include "shellext/PreviewSampling.h"

#include <algorithm>

namespace {

constexpr std::int32_t kMaxSide = 32767;

bool CanMake(ThumbnailSize size) {
    return size.cx > 0 && size.cy > 0 && size.cx <= kMaxSide && size.cy <= kMaxSide;
}

ThumbnailSize OwnSize(std::int32_t width, std::int32_t height) {
    if (width <= kLargestOwnPreviewSide && height <= kLargestOwnPreviewSide) {
        return {width, height};
    }
    return FittedSize(width, height, kLargestOwnPreviewSide);
}

// The picture's index shown at each of `count` thumbnail positions when `drawn` of them, from
// `first` on, cover its `source` pixels; -1 elsewhere.
std::vector<std::int32_t> Samples(std::int32_t count, std::int32_t first, std::int32_t drawn,
                                  std::int32_t source) {
    std::vector<std::int32_t> samples(static_cast<std::size_t>(count), -1);
    if (drawn <= 0) {
        return samples;
    }
    for (std::int32_t t = std::max(first, 0); t < std::min(first + drawn, count); ++t) {
        samples[static_cast<std::size_t>(t)] =
            static_cast<std::int32_t>(std::int64_t{t - first} * source / drawn);
    }
    return samples;
}

} // namespace

ThumbnailSize FittedSize(std::int32_t width, std::int32_t height, std::int32_t side) {
    if (width <= 0 || height <= 0 || side <= 0) {
        return {0, 0};
    }
    const float ratio = static_cast<float>(height) / static_cast<float>(width);
    if (height > width) {
        return {std::max(1, static_cast<std::int32_t>(static_cast<float>(side) / ratio)), side};
    }
    return {side, std::max(1, static_cast<std::int32_t>(static_cast<float>(side) * ratio))};
}

std::optional<PreviewSampling> PlanPreviewSampling(std::int32_t width, std::int32_t height,
                                                   ThumbnailSize size) {
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    const ThumbnailSize own = OwnSize(width, height);
    const ThumbnailSize wanted = size.cx != 0 && CanMake(size) ? size : own;
    if (!CanMake(wanted)) {
        return std::nullopt;
    }
    PreviewSampling plan;
    plan.width = wanted.cx;
    plan.height = wanted.cy;
    if (wanted.cx == width && wanted.cy == height) {
        plan.whole = true;
        plan.rows.resize(static_cast<std::size_t>(height));
        plan.columns.resize(static_cast<std::size_t>(width));
        for (std::int32_t r = 0; r < height; ++r) {
            plan.rows[static_cast<std::size_t>(r)] = r;
        }
        for (std::int32_t c = 0; c < width; ++c) {
            plan.columns[static_cast<std::size_t>(c)] = c;
        }
        return plan;
    }
    // The fit is taken from the picture's own shape, not from the thumbnail's.
    const float ratio = static_cast<float>(height) / static_cast<float>(width);
    std::int32_t drawnWidth = wanted.cx;
    std::int32_t drawnHeight = wanted.cy;
    if (height > width) {
        drawnWidth = static_cast<std::int32_t>(static_cast<float>(wanted.cy) / ratio);
    } else {
        drawnHeight = static_cast<std::int32_t>(static_cast<float>(wanted.cx) * ratio);
    }
    plan.columns = Samples(wanted.cx, (wanted.cx - drawnWidth) / 2, drawnWidth, width);
    // Rows are placed from the top of the thumbnail and counted from the top of the picture;
    // both are stored bottom row first.
    const std::vector<std::int32_t> fromTop =
        Samples(wanted.cy, (wanted.cy - drawnHeight) / 2, drawnHeight, height);
    plan.rows.assign(fromTop.rbegin(), fromTop.rend());
    for (std::int32_t& row : plan.rows) {
        row = row < 0 ? -1 : height - 1 - row;
    }
    return plan;
}
