// Any bytes as the end of a wave file, read from memory: the tail, the footer parse, both
// descriptor builders, the preview loads and the thumbnail of channel 0 (from the footer, or from
// the wave's data without one) must neither crash, read out of bounds nor allocate beyond the file.
#include "shellext/BuildIBWPreviewDescriptor.h"
#include "shellext/CIBWPreview.h"
#include "shellext/CMemoryByteSource.h"
#include "shellext/RenderFirstChannel.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The wave reader's diagnostic lines would swamp the fuzzer's own output.
    static const bool quiet = std::freopen("/dev/null", "w", stdout) != nullptr;
    (void)quiet;
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
    preview.Load(bytes, 0);
    FitFirstChannel(preview, 48);
    RenderFirstChannel(preview, {48, 32});
    return 0;
}
