// Any bytes as the end of a wave file: the tail, the footer parse, both descriptor builders and
// the preview loads must neither crash, read out of bounds nor allocate beyond the file.
#include "shellext/BuildIBWPreviewDescriptor.h"
#include "shellext/CIBWPreview.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz_footer_" + std::to_string(getpid()) + ".ibw"))
            .string();

    // The builders straight on the bytes reach deep into the text without a valid tail.
    std::string_view text(reinterpret_cast<const char*>(data), size);
    IBWPreviewDescriptor descriptor;
    BuildImagePreviewDescriptor(text, &descriptor);
    BuildForcePreviewDescriptor(text, &descriptor);

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    CIBWPreview preview;
    for (int channel : {0, 1}) {
        if (preview.Load(path, channel) != kIBWPreviewNone) {
            for (int i = 0; i < preview.GetChannelCount() && i < 4; ++i) {
                preview.GetChannelName(i);
            }
        }
    }
    return 0;
}
