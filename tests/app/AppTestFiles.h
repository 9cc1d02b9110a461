// Temporary files for the viewer tests, written with the wave fixture writer.
#pragma once

#include "tests/ibw/TestFiles.h"
#include "tools/ibwgen/IbwGen.h"

#include <string>
#include <vector>

namespace apptest {

// Files removed when the test ends, at paths unique to the running test and process.
using testfiles::TempFile;
using testfiles::TempPath;

// An instrument image of columns x rows with named layers (channels); values rise by one per
// element in storage order.
inline ibwgen::WaveSpec ImageSpec(int columns, int rows, const std::vector<std::string>& channels) {
    ibwgen::WaveSpec waveSpec;
    const int layers = static_cast<int>(channels.size());
    waveSpec.dims = {columns, rows, layers, 0};
    waveSpec.spacing = {1e-8, 1e-8, 1, 1};
    waveSpec.dimUnits = {"m", "m", "", ""};
    waveSpec.dimLabels[2] = channels;
    waveSpec.values.resize(static_cast<std::size_t>(columns) * rows * layers);
    for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
        waveSpec.values[i] = static_cast<float>(i);
    }
    return waveSpec;
}

} // namespace apptest
