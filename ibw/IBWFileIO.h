// The file layer under the wave reader: buffered binary streams with numeric result codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

constexpr int kIBWFileOK = 0;
constexpr int kIBWFileOpenError = 10000;  // the file could not be opened
constexpr int kIBWFileCloseError = 10001; // the file could not be closed
constexpr int kIBWFileEOFError = 10002;   // a read at the end of the file returned nothing
constexpr int kIBWFileReadError = 10003;  // the stream reported a read error
constexpr int kIBWFileWriteError = 10004; // a write returned fewer bytes than asked
constexpr int kIBWFilePosError = 10005;   // positioning failed, or an invalid positioning mode

// Positioning modes of IBWFileSetPosition.
constexpr int kIBWFromStart = -1;
constexpr int kIBWFromCurrent = 0;
constexpr int kIBWFromEnd = 1;

int IBWFileOpen(const std::string& path, bool forWriting, std::FILE** outFile); // "rb" or "wb"
#ifdef _WIN32
// By a UTF-16 path: names outside the ANSI code page open too.
int IBWFileOpen(const std::wstring& path, bool forWriting, std::FILE** outFile);
#endif
int IBWFileClose(std::FILE* file);
// Reads up to count bytes; a short read is no error, only nothing read at the end of the file is.
int IBWFileRead(std::FILE* file, std::size_t count, void* buffer, std::size_t* outBytesRead);
int IBWFileWrite(std::FILE* file, std::size_t count, const void* buffer);
int IBWFileGetPosition(std::FILE* file, std::int64_t* outPosition);
int IBWFileSetPosition(std::FILE* file, std::int64_t position, int mode);
// The position of the end of the file; the current position is restored.
int IBWFileEndPosition(std::FILE* file, std::int64_t* outPosition);
