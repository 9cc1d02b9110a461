// Any bytes as a QVDF container, read from memory: the table of contents, the walks, the notes,
// definitions and thumbnails, and rendering what was read must neither crash, read out of bounds,
// allocate beyond the file nor run without end.
#include "shellext/CMemoryByteSource.h"
#include "shellext/CQVDFReader.h"
#include "shellext/ParseTextNotes.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ParseTextNotes(reinterpret_cast<const char*>(data), size);

    CQVDFReader reader;
    reader.Open(std::make_unique<CMemoryByteSource>(data, size));
    reader.HasThumbnail();
    for (int i = 0; i < reader.GetImageCount() && i < 8; ++i) {
        reader.GetChannelName(i);
        reader.GetThumbnailBitmap(i, {0, 0});
        reader.GetThumbnailIcon(i, {32, 32});
    }
    return 0;
}
