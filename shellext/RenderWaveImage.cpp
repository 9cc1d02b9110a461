#include "shellext/RenderWaveImage.h"

#include "shellext/ReadZeroFilled.h"

#include "ibw/IBWHeaders.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// Sampled values closer than this are read in one call with what lies between: the system reads
// whole pages anyway, and each call costs as much as a few kilobytes.
constexpr std::uint64_t kGapBytes = 4096;
// One call reads at most this much.
constexpr std::uint64_t kRunBytes = 64 * 1024;

constexpr std::uint8_t kWhite = 255;

// The distinct indices a plan samples, ascending, and for each position of the plan the slot of
// its index among them (-1 on the margin).
struct Picks {
    std::vector<std::int32_t> indices;
    std::vector<std::int32_t> slots;
};

Picks Pick(const std::vector<std::int32_t>& samples) {
    Picks picks;
    picks.indices = samples;
    picks.indices.erase(std::remove(picks.indices.begin(), picks.indices.end(), -1), picks.indices.end());
    std::sort(picks.indices.begin(), picks.indices.end());
    picks.indices.erase(std::unique(picks.indices.begin(), picks.indices.end()), picks.indices.end());
    picks.slots.reserve(samples.size());
    for (std::int32_t sample : samples) {
        picks.slots.push_back(sample < 0
                                  ? -1
                                  : static_cast<std::int32_t>(
                                        std::lower_bound(picks.indices.begin(), picks.indices.end(), sample) -
                                        picks.indices.begin()));
    }
    return picks;
}

template <typename T> float As(const unsigned char* bytes) {
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return static_cast<float>(value);
}

// One value as the viewer holds it, a float; a double beyond the float range is not finite.
float ValueAt(const unsigned char* at, const ShellWaveImage& image) {
    unsigned char bytes[8] = {};
    const auto size = static_cast<std::size_t>(image.elementSize);
    std::memcpy(bytes, at, size);
    if (image.needSwap) {
        std::reverse(bytes, bytes + size);
    }
    switch (image.type) {
    case kIBWTypeFloat32:
        return As<float>(bytes);
    case kIBWTypeFloat64: {
        double value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return std::abs(value) <= FLT_MAX ? static_cast<float>(value)
                                          : std::numeric_limits<float>::infinity();
    }
    case kIBWTypeInt8:
        return As<std::int8_t>(bytes);
    case kIBWTypeInt8 | kIBWTypeUnsigned:
        return As<std::uint8_t>(bytes);
    case kIBWTypeInt16:
        return As<std::int16_t>(bytes);
    case kIBWTypeInt16 | kIBWTypeUnsigned:
        return As<std::uint16_t>(bytes);
    case kIBWTypeInt32:
        return As<std::int32_t>(bytes);
    case kIBWTypeInt32 | kIBWTypeUnsigned:
        return As<std::uint32_t>(bytes);
    default:
        return std::numeric_limits<float>::quiet_NaN();
    }
}

// The sampled values of one row, columns in ascending order, read in runs.
void ReadRow(CByteSource& source, const ShellWaveImage& image, std::int32_t row,
             const std::vector<std::int32_t>& columns, std::vector<unsigned char>* run, float* values) {
    const auto element = static_cast<std::uint64_t>(image.elementSize);
    const std::uint64_t rowStart = image.dataStart + static_cast<std::uint64_t>(row) *
                                                         static_cast<std::uint64_t>(image.columns) * element;
    for (std::size_t first = 0; first < columns.size();) {
        const std::uint64_t begin = static_cast<std::uint64_t>(columns[first]) * element;
        std::size_t last = first;
        while (last + 1 < columns.size()) {
            const std::uint64_t next = static_cast<std::uint64_t>(columns[last + 1]) * element;
            const std::uint64_t end = static_cast<std::uint64_t>(columns[last]) * element + element;
            if (next - end > kGapBytes || next + element - begin > kRunBytes) {
                break;
            }
            ++last;
        }
        const std::uint64_t length = static_cast<std::uint64_t>(columns[last]) * element + element - begin;
        run->resize(static_cast<std::size_t>(length));
        ReadZeroFilled(source, rowStart + begin, run->size(), run->data());
        for (std::size_t k = first; k <= last; ++k) {
            values[k] =
                ValueAt(run->data() + (static_cast<std::uint64_t>(columns[k]) * element - begin), image);
        }
        first = last + 1;
    }
}

} // namespace

std::optional<PaletteBitmap> RenderWaveImage(CByteSource& source, const ShellWaveImage& image,
                                             ThumbnailSize size) {
    const std::optional<PreviewSampling> plan = PlanPreviewSampling(image.columns, image.rows, size);
    PaletteBitmap target;
    if (image.elementSize <= 0 || image.elementSize > 8 || !plan ||
        !PaletteBitmap::Create(plan->width, plan->height, PreviewPalette(), &target)) {
        return std::nullopt;
    }
    const Picks rows = Pick(plan->rows);
    const Picks columns = Pick(plan->columns);
    // At most one value per pixel of the thumbnail, and never more than the file holds.
    std::vector<float> values(rows.indices.size() * columns.indices.size());
    std::vector<unsigned char> run;
    for (std::size_t r = 0; r < rows.indices.size(); ++r) {
        ReadRow(source, image, rows.indices[r], columns.indices, &run,
                values.data() + r * columns.indices.size());
    }

    float low = std::numeric_limits<float>::max();
    float high = std::numeric_limits<float>::lowest();
    for (float value : values) {
        if (std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    const double span = high > low ? double{high} - double{low} : 1.0;
    std::vector<std::uint8_t> greys(values.size(), kWhite);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (std::isfinite(values[i])) {
            greys[i] = static_cast<std::uint8_t>(std::floor((double{values[i]} - low) / span * 255.0 + 0.5));
        }
    }

    std::fill(target.pixels.begin(), target.pixels.end(), kWhite);
    for (std::int32_t y = 0; y < plan->height; ++y) {
        const std::int32_t r = rows.slots[static_cast<std::size_t>(y)];
        if (r < 0) {
            continue;
        }
        const std::uint8_t* from = greys.data() + static_cast<std::size_t>(r) * columns.indices.size();
        std::uint8_t* out =
            target.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(target.rowLength);
        for (std::int32_t x = 0; x < plan->width; ++x) {
            const std::int32_t c = columns.slots[static_cast<std::size_t>(x)];
            if (c >= 0) {
                out[x] = from[c];
            }
        }
    }
    return target;
}
