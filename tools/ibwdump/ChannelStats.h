// The minimum, maximum and mean of a channel's finite values and its count of NaN values, in one
// pass that runs at memory speed.
#pragma once

#include "ibw/CIBWChannel.h"

#include <cmath>

struct ChannelStats {
    float min = NAN; // NaN without a finite value
    float max = NAN;
    double mean = NAN;
    long long nanCount = 0;
};

ChannelStats MeasureChannel(const CIBWChannel& channel);
