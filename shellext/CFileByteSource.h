// A file opened for reading by its path (UTF-16 on Windows, so every name opens), read through
// the wave reader's file layer.
#pragma once

#include "shellext/CByteSource.h"

#include <cstdio>
#include <filesystem>

class CFileByteSource : public CByteSource {
public:
    explicit CFileByteSource(const std::filesystem::path& path);
    ~CFileByteSource() override;

    bool IsOpen() const { return m_file != nullptr; }
    std::uint64_t Size() const override { return m_size; }
    std::size_t ReadAt(std::uint64_t offset, std::size_t count, void* buffer) override;

private:
    std::FILE* m_file = nullptr;
    std::uint64_t m_size = 0;
};
