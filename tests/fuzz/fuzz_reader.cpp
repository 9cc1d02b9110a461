// Any bytes as a wave file: every reader routine, the channel model, the note and the Igor text
// export must neither crash nor read out of bounds.
#include "ibw/CIBWReader.h"
#include "tools/ibwdump/DumpWave.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string ScratchPath(const char* suffix) {
    return (std::filesystem::temp_directory_path() / ("fuzz_reader_" + std::to_string(getpid()) + suffix))
        .string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader's diagnostic lines would swamp the fuzzer's own output.
    static const bool quiet = std::freopen("/dev/null", "w", stdout) != nullptr;
    (void)quiet;
    static const std::string wavePath = ScratchPath(".ibw");
    // A device is written in place: the export's text is produced without a disk round trip.
    static const std::string itxPath = "/dev/null";

    std::FILE* file = std::fopen(wavePath.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    std::string json;
    DumpWave(wavePath, &json);

    CIBWReader reader;
    if (reader.Open(wavePath)) {
        for (int k = 0; k < reader.channelCount; ++k) {
            reader.WriteItx(itxPath, "fuzz", k, true);
        }
        reader.GetNoteValue("ScanSize");
    }
    CIBWNote unparsed(wavePath, false);
    unparsed.GetValue("Display Range 0");
    return 0;
}
