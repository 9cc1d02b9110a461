#include "ibw/IBWFileIO.h"

namespace {

// 64-bit positions on every platform, so waves past 2 GB can be located.
int Seek(std::FILE* file, std::int64_t position, int whence) {
#ifdef _WIN32
    return _fseeki64(file, position, whence);
#else
    return fseeko(file, static_cast<off_t>(position), whence);
#endif
}

std::int64_t Tell(std::FILE* file) {
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<std::int64_t>(ftello(file));
#endif
}

} // namespace

int IBWFileOpen(const std::string& path, bool forWriting, std::FILE** outFile) {
    *outFile = std::fopen(path.c_str(), forWriting ? "wb" : "rb");
    return *outFile != nullptr ? kIBWFileOK : kIBWFileOpenError;
}

#ifdef _WIN32
int IBWFileOpen(const std::wstring& path, bool forWriting, std::FILE** outFile) {
    *outFile = _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
    return *outFile != nullptr ? kIBWFileOK : kIBWFileOpenError;
}
#endif

int IBWFileClose(std::FILE* file) {
    return std::fclose(file) == 0 ? kIBWFileOK : kIBWFileCloseError;
}

int IBWFileRead(std::FILE* file, std::size_t count, void* buffer, std::size_t* outBytesRead) {
    std::size_t got = 0;
    if (count != 0) {
        got = std::fread(buffer, 1, count, file);
    }
    if (outBytesRead != nullptr) {
        *outBytesRead = got;
    }
    if (count == 0 || got != 0) {
        return kIBWFileOK;
    }
    if (std::ferror(file) != 0) {
        return kIBWFileReadError;
    }
    return std::feof(file) != 0 ? kIBWFileEOFError : kIBWFileOK;
}

int IBWFileWrite(std::FILE* file, std::size_t count, const void* buffer) {
    if (count == 0) {
        return kIBWFileOK;
    }
    return std::fwrite(buffer, 1, count, file) == count ? kIBWFileOK : kIBWFileWriteError;
}

int IBWFileGetPosition(std::FILE* file, std::int64_t* outPosition) {
    std::int64_t position = Tell(file);
    if (position < 0) {
        return kIBWFilePosError;
    }
    *outPosition = position;
    return kIBWFileOK;
}

int IBWFileSetPosition(std::FILE* file, std::int64_t position, int mode) {
    int whence = 0;
    switch (mode) {
    case kIBWFromStart:
        whence = SEEK_SET;
        break;
    case kIBWFromCurrent:
        whence = SEEK_CUR;
        break;
    case kIBWFromEnd:
        whence = SEEK_END;
        break;
    default:
        return kIBWFilePosError;
    }
    return Seek(file, position, whence) == 0 ? kIBWFileOK : kIBWFilePosError;
}

int IBWFileEndPosition(std::FILE* file, std::int64_t* outPosition) {
    std::int64_t current = 0;
    if (IBWFileGetPosition(file, &current) != kIBWFileOK || Seek(file, 0, SEEK_END) != 0) {
        return kIBWFilePosError;
    }
    int result = IBWFileGetPosition(file, outPosition);
    if (Seek(file, current, SEEK_SET) != 0) {
        return kIBWFilePosError;
    }
    return result;
}
