// Which pixel of a picture each pixel of its thumbnail shows: nearest-neighbour samples of the
// whole picture fitted into the thumbnail with its own shape and centred on white. The footer
// previews and the pictures drawn from wave data are sampled alike, so a wave's thumbnail lies
// the same way up and at the same place whichever it is drawn from.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct ThumbnailSize {
    std::int32_t cx = 0; // 0: the picture's own size
    std::int32_t cy = 0;
};

// A picture's own size is drawn at most this large a side, fitted to its shape: thumbnails end
// there, and a size the file merely claims must not make the bitmap huge.
constexpr std::int32_t kLargestOwnPreviewSide = 1024;

// The size of a width x height picture fitted into a side x side square with its own shape, by
// the arithmetic of the sampling below, so the drawn rectangle covers it exactly.
ThumbnailSize FittedSize(std::int32_t width, std::int32_t height, std::int32_t side);

struct PreviewSampling {
    std::int32_t width = 0; // the thumbnail's size
    std::int32_t height = 0;
    bool whole = false; // the picture at its own size, every pixel once, no margin
    // Per stored row of the thumbnail (0 the bottom one), the picture's row it shows (0 the bottom
    // one), or -1 on the white margin; per column likewise.
    std::vector<std::int32_t> rows;
    std::vector<std::int32_t> columns;
};

// None when a side of the picture is not positive. A size that cannot be made (cy not positive,
// a side beyond 32767) gives the picture's own size.
std::optional<PreviewSampling> PlanPreviewSampling(std::int32_t width, std::int32_t height,
                                                   ThumbnailSize size);
