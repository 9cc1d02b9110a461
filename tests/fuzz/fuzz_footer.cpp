// Any bytes as the end of a wave file, read from memory: the tail, the footer parse, both
// descriptor builders and the preview loads must neither crash, read out of bounds nor allocate
// beyond the file.
#include "shellext/BuildIBWPreviewDescriptor.h"
#include "shellext/CIBWPreview.h"
#include "shellext/CMemoryByteSource.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The builders straight on the bytes reach deep into the text without a valid tail.
    std::string_view text(reinterpret_cast<const char*>(data), size);
    IBWPreviewDescriptor descriptor;
    BuildImagePreviewDescriptor(text, &descriptor);
    BuildForcePreviewDescriptor(text, &descriptor);

    const auto bytes = std::make_shared<CMemoryByteSource>(data, size);
    CIBWPreview preview;
    for (int channel : {0, 1}) {
        if (preview.Load(bytes, channel) != kIBWPreviewNone) {
            for (int i = 0; i < preview.GetChannelCount() && i < 4; ++i) {
                preview.GetChannelName(i);
            }
        }
    }
    return 0;
}
