// Temporary files for the viewer tests, written with the wave fixture writer.
#pragma once

#include "tools/ibwgen/IbwGen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace apptest {

// A path unique to the running test and process.
inline std::string TempPath(const std::string& suffix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name =
        std::string(info->test_suite_name()) + "_" + info->name() + "_" + std::to_string(getpid());
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    return (std::filesystem::temp_directory_path() / (name + suffix)).string();
}

// A file removed when the test ends.
class TempFile {
public:
    TempFile(const ibwgen::WaveSpec& waveSpec, const std::string& suffix = ".ibw") : path_(TempPath(suffix)) {
        ibwgen::WriteWaveFile(path_, waveSpec);
    }
    TempFile(const std::vector<std::uint8_t>& bytes, const std::string& suffix) : path_(TempPath(suffix)) {
        ibwgen::WriteBytes(path_, bytes);
    }
    ~TempFile() { std::filesystem::remove(path_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

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
