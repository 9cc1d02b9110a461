// seeds_fuzz_reader CORPUS_DIR: small valid wave files in both byte orders, with notes, labels,
// trailers and preview footers, of every version and type, so the fuzzer starts from files that
// pass the checksum.
#include "tests/fuzz/SeedCorpus.h"
#include "tools/ibwgen/IbwGen.h"

#include <optional>

namespace {

ibwgen::WaveSpec Image(bool big) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.bigEndian = big;
    waveSpec.dims = {4, 3, 2, 0};
    waveSpec.spacing = {1e-8, 1e-8, 1, 1};
    waveSpec.dimUnits = {"m", "m", "", ""};
    waveSpec.values.resize(24);
    for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
        waveSpec.values[i] = static_cast<float>(i) * 0.5f;
    }
    waveSpec.dimLabels[2] = {"HeightRetrace", "PhaseRetrace"};
    waveSpec.note = "ScanSize: 5e-06\rTime: 12:30:00\r\rDisplay Range 0: 1e-08 \rColorMap 0: Grays256\r";
    return waveSpec;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<SeedCorpus> corpus = SeedCorpus::FromArguments(argc, argv, "seeds_fuzz_reader");
    if (!corpus) {
        return 2;
    }
    auto write = [&](const ibwgen::WaveSpec& waveSpec) {
        ibwgen::WriteWaveFile(corpus->NextPath(".ibw"), waveSpec);
    };
    for (bool big : {false, true}) {
        ibwgen::WaveSpec waveSpec = Image(big);
        write(waveSpec);

        ibwgen::ImagePreviewFooter footer;
        footer.width = 2;
        footer.height = 2;
        footer.channelNames = {"Height", "Phase"};
        footer.pixels = {{1, 2, 3, 4}, {-1, -2, -3, -4}};
        waveSpec.imageFooter = footer;
        write(waveSpec);
        footer.version = 1;
        waveSpec.imageFooter = footer;
        write(waveSpec);

        ibwgen::WaveSpec force = Image(big);
        force.trailer = ibwgen::Trailer::Force;
        ibwgen::ForcePreviewFooter ff;
        ff.dataLength = 4;
        ff.extendLength = 2;
        ff.retractLength = 2;
        ff.curveNames = {"Defl"};
        ff.samples = {{0, 128, 255, 64}};
        force.forceFooter = ff;
        write(force);

        ibwgen::WaveSpec labelled = Image(big);
        labelled.dimNames = {"X", "Y", "Layers", ""};
        labelled.dimLabels[0] = {"c0", "c1", "c2", "c3"};
        labelled.formula = "x+1";
        write(labelled);

        ibwgen::WaveSpec complexWave;
        complexWave.bigEndian = big;
        complexWave.type = 0x03;
        complexWave.values = {1, 2, 3, 4};
        write(complexWave);

        ibwgen::WaveSpec text;
        text.bigEndian = big;
        text.type = 0;
        text.rawData = {'a', 'b', 'c'};
        write(text);

        // The general path: other types in two dimensions without the trailer, with long units.
        for (std::int16_t type : {0x04, 0x08, 0x50, 0x60}) {
            ibwgen::WaveSpec typed = Image(big);
            typed.type = type;
            typed.dims = {4, 3, 0, 0};
            typed.values.resize(12);
            typed.dimLabels[2].clear();
            typed.extendedDataUnits = "counts";
            typed.trailer = ibwgen::Trailer::None;
            write(typed);
        }
        for (std::int16_t version : {1, 2, 3}) {
            ibwgen::WaveSpec old;
            old.bigEndian = big;
            old.version = version;
            old.type = 0x10;
            old.values = {1, 2, 3, 4};
            old.note = "Bias: 1\r";
            old.formula = "x";
            old.trailer = ibwgen::Trailer::None;
            write(old);
        }
    }
    return 0;
}
