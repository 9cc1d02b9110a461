#include "tools/ibwdump/ChannelStats.h"

#include <algorithm>
#include <cfloat>
#include <cstdint>

namespace {

// Independent lanes let the compiler keep min, max and sum in vector registers; a block of values
// stays in the cache between its two passes.
constexpr int kLanes = 32;
constexpr std::int64_t kBlock = 1024;

struct Lanes {
    float low[kLanes];
    float high[kLanes];
    double sum[kLanes]; // double: a 256 MB wave of floats sums without visible rounding
    std::int64_t finite = 0;
    long long nan = 0;

    Lanes() {
        std::fill(std::begin(low), std::end(low), INFINITY);
        std::fill(std::begin(high), std::end(high), -INFINITY);
        std::fill(std::begin(sum), std::end(sum), 0.0);
    }
};

// v - v is 0 for a finite value and NaN for an infinity or a NaN.
bool AllFinite(const float* values) {
    float probe[kLanes] = {};
    for (std::int64_t j = 0; j < kBlock; j += kLanes) {
        for (int l = 0; l < kLanes; ++l) {
            probe[l] += values[j + l] - values[j + l];
        }
    }
    float all = 0;
    for (float p : probe) {
        all += p;
    }
    return all == 0;
}

// The lanes are worked on as local copies, which the values cannot alias.
void AddFiniteBlock(const float* values, Lanes* lanes) {
    float low[kLanes];
    float high[kLanes];
    double sum[kLanes];
    std::copy(std::begin(lanes->low), std::end(lanes->low), low);
    std::copy(std::begin(lanes->high), std::end(lanes->high), high);
    std::copy(std::begin(lanes->sum), std::end(lanes->sum), sum);
    for (std::int64_t j = 0; j < kBlock; j += kLanes) {
        for (int l = 0; l < kLanes; ++l) {
            const float v = values[j + l];
            low[l] = v < low[l] ? v : low[l];
            high[l] = v > high[l] ? v : high[l];
            sum[l] += v;
        }
    }
    std::copy(low, low + kLanes, lanes->low);
    std::copy(high, high + kLanes, lanes->high);
    std::copy(sum, sum + kLanes, lanes->sum);
    lanes->finite += kBlock;
}

// Blocks with infinities or NaN values, and the last part block, value by value.
void AddValues(const float* values, std::int64_t count, Lanes* lanes) {
    for (std::int64_t j = 0; j < count; ++j) {
        const float v = values[j];
        if (std::isnan(v)) {
            ++lanes->nan;
        } else if (std::isfinite(v)) {
            lanes->low[0] = std::min(lanes->low[0], v);
            lanes->high[0] = std::max(lanes->high[0], v);
            lanes->sum[0] += v;
            ++lanes->finite;
        }
    }
}

} // namespace

ChannelStats MeasureChannel(const CIBWChannel& channel) {
    Lanes lanes;
    const std::int64_t count = channel.points;
    std::int64_t i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        if (AllFinite(channel.data + i)) {
            AddFiniteBlock(channel.data + i, &lanes);
        } else {
            AddValues(channel.data + i, kBlock, &lanes);
        }
    }
    AddValues(channel.data + i, count - i, &lanes);

    ChannelStats stats;
    stats.nanCount = lanes.nan;
    if (lanes.finite > 0) {
        stats.min = *std::min_element(std::begin(lanes.low), std::end(lanes.low));
        stats.max = *std::max_element(std::begin(lanes.high), std::end(lanes.high));
        double total = 0;
        for (double s : lanes.sum) {
            total += s;
        }
        stats.mean = total / static_cast<double>(lanes.finite);
    }
    return stats;
}
