// Temporary wave files for the tests, written with the fixture writer.
#pragma once

#include "tools/ibwgen/IbwGen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace testfiles {

// A path unique to the running test, so tests may run in parallel processes.
inline std::string TempPath(const std::string& suffix = ".ibw") {
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

// Removes its file when the test ends.
class TempFile {
public:
    explicit TempFile(const std::vector<std::uint8_t>& bytes, const std::string& suffix = ".ibw")
        : m_path(TempPath(suffix)) {
        ibwgen::WriteBytes(m_path, bytes);
    }
    explicit TempFile(const ibwgen::WaveSpec& waveSpec, const std::string& suffix = ".ibw")
        : TempFile(ibwgen::BuildWave(waveSpec), suffix) {}
    ~TempFile() { std::filesystem::remove(m_path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// An open stream on a file, closed at the end of the scope.
class OpenFile {
public:
    explicit OpenFile(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {}
    ~OpenFile() {
        if (m_file != nullptr) {
            std::fclose(m_file);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    std::FILE* get() const { return m_file; }

private:
    std::FILE* m_file;
};

// A float image wave of columns x rows x layers with values 0, 1, 2, ... in storage order.
inline ibwgen::WaveSpec ImageSpec(int columns, int rows, int layers, bool bigEndian = false) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.bigEndian = bigEndian;
    waveSpec.dims = {columns, rows, layers, 0};
    waveSpec.spacing = {1e-8, 2e-8, 1, 1};
    waveSpec.start = {-1e-6, 5e-7, 0, 0};
    waveSpec.dimUnits = {"m", "m", "", ""};
    waveSpec.values.resize(static_cast<std::size_t>(columns) * rows * std::max(layers, 1));
    for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
        waveSpec.values[i] = static_cast<float>(i);
    }
    return waveSpec;
}

} // namespace testfiles
