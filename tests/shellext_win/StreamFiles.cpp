#include "tests/shellext_win/StreamFiles.h"

#include <shlwapi.h>

#include <vector>

ComPtr<IStream> FileStream(const std::wstring& path) {
    ComPtr<IStream> stream;
    if (FAILED(SHCreateStreamOnFileEx(path.c_str(), STGM_READ | STGM_SHARE_DENY_WRITE, FILE_ATTRIBUTE_NORMAL,
                                      FALSE, nullptr, &stream))) {
        return nullptr;
    }
    return stream;
}

ComPtr<IStream> MemoryStream(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    std::vector<char> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    const bool read =
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size();
    CloseHandle(file);
    ComPtr<IStream> stream;
    if (!read || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
        FAILED(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr))) {
        return nullptr;
    }
    // Handed over at its start, as the shell does.
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return stream;
}
