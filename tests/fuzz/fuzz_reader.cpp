// Any bytes as a wave file, read from memory: every reader routine, the channel model, the note,
// ibwdump's description and the Igor text export must neither crash nor read out of bounds.
#include "ibw/CIBWReader.h"
#include "tools/ibwdump/DumpWave.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader's diagnostic lines would swamp the fuzzer's own output.
    static const bool quiet = std::freopen("/dev/null", "w", stdout) != nullptr;
    (void)quiet;
    // A device is written in place: the export's text is produced without a disk round trip.
    static const std::string itxPath = "/dev/null";

    IBWStream dumped(data, size);
    std::string json;
    DumpWave(dumped, &json);

    CIBWReader reader;
    if (reader.OpenBytes(data, size)) {
        for (int k = 0; k < reader.channelCount; ++k) {
            reader.WriteItx(itxPath, "fuzz", k, true);
        }
        reader.GetNoteValue("ScanSize");
        reader.PrecisionNote();
    }
    reader.RefusalReason();
    IBWStream unparsed(data, size);
    CIBWNote note(unparsed, false);
    note.GetValue("Display Range 0");
    return 0;
}
