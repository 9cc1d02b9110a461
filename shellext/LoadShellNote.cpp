#include "shellext/LoadShellNote.h"

#include "shellext/CFileByteSource.h"
#include "shellext/ShellNoteLimit.h"

#include "ibw/IBWHeaders.h"
#include "ibw/IBWRead.h"
#include "ibw/IBWSections.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace {

// The binary header of a version-5 wave with a valid checksum over both headers.
bool ReadBinHeader(CByteSource& file, BinHeader5* bin) {
    unsigned char headers[kIBWHeadersSize] = {};
    if (file.ReadAt(0, sizeof(headers), headers) != sizeof(headers)) {
        return false;
    }
    // A version-5 file starts 05 00 when written little-endian and 00 05 when big-endian.
    const bool fileBigEndian = headers[0] == 0;
    const int needSwap = fileBigEndian != (std::endian::native == std::endian::big) ? 1 : 0;
    if (IBWChecksum(headers, kIBWHeadersSize, needSwap, 0) != 0) {
        return false;
    }
    if (needSwap != 0) {
        SwapUnitBytes(headers + offsetof(BinHeader5, version), 2, 2);  // version, checksum
        SwapUnitBytes(headers + offsetof(BinHeader5, wfmSize), 4, 15); // every size
    }
    std::memcpy(bin, headers, sizeof(*bin));
    return bin->version >= 5;
}

std::int32_t TrailerKind(CByteSource& file) {
    char tag[5] = {};
    if (file.Size() < sizeof(tag) ||
        file.ReadAt(file.Size() - sizeof(tag), sizeof(tag), tag) != sizeof(tag)) {
        return kIBWTrailerNone;
    }
    if (std::memcmp(tag, "KTZ9W", 5) == 0) {
        return kIBWTrailerImage;
    }
    return std::memcmp(tag, "Force", 5) == 0 ? kIBWTrailerForce : kIBWTrailerNone;
}

} // namespace

CIBWNote LoadShellNote(CByteSource& file, bool parse) {
    BinHeader5 bin{};
    const auto end = static_cast<std::int64_t>(file.Size());
    std::int64_t start = 0;
    if (!ReadBinHeader(file, &bin) || !IBWNoteStart(bin, end, &start) || !IBWFits(end, start, bin.noteSize)) {
        return CIBWNote();
    }
    const std::size_t wanted = std::min(static_cast<std::size_t>(bin.noteSize), kShellNoteBytesMax);
    // Two carriage returns and a zero behind the bytes read: the last line always ends.
    std::vector<char> text(wanted + 3, 0);
    const std::size_t got = file.ReadAt(static_cast<std::uint64_t>(start), wanted, text.data());
    text[got] = '\r';
    text[got + 1] = '\r';
    text.resize(got + 3);
    return CIBWNote(std::move(text), static_cast<std::int32_t>(got), TrailerKind(file), parse);
}

CIBWNote LoadShellNote(const std::filesystem::path& path, bool parse) {
    CFileByteSource file(path);
    if (!file.IsOpen()) {
        return CIBWNote();
    }
    return LoadShellNote(file, parse);
}
