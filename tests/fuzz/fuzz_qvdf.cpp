// Any bytes as a QVDF container: the table of contents, the walks, the notes, definitions and
// thumbnails, and rendering what was read must neither crash, read out of bounds, allocate
// beyond the file nor run without end.
#include "shellext/CQVDFReader.h"
#include "shellext/ParseTextNotes.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz_qvdf_" + std::to_string(getpid()) + ".qvdf"))
            .string();

    ParseTextNotes(reinterpret_cast<const char*>(data), size);

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    CQVDFReader reader(path);
    reader.HasThumbnail();
    for (int i = 0; i < reader.GetImageCount() && i < 8; ++i) {
        reader.GetChannelName(i);
        reader.GetThumbnailBitmap(i, {0, 0});
        reader.GetThumbnailIcon(i, {32, 32});
    }
    return 0;
}
