// seeds_fuzz_footer CORPUS_DIR: small wave files with image footers of both versions, force
// footers, a few hand-written footer texts and waves without a footer, so the fuzzer starts past
// the tail and header checks.
#include "tests/fuzz/SeedCorpus.h"
#include "tools/ibwgen/IbwGen.h"

#include <optional>

namespace {

ibwgen::WaveSpec Wave(ibwgen::Trailer trailer) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = {2, 2, 1, 0};
    waveSpec.values = {1, 2, 3, 4};
    waveSpec.trailer = trailer;
    return waveSpec;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<SeedCorpus> corpus = SeedCorpus::FromArguments(argc, argv, "seeds_fuzz_footer");
    if (!corpus) {
        return 2;
    }
    auto write = [&](const ibwgen::WaveSpec& waveSpec) {
        ibwgen::WriteWaveFile(corpus->NextPath(".ibw"), waveSpec);
    };
    for (int version : {1, 2}) {
        ibwgen::WaveSpec waveSpec = Wave(ibwgen::Trailer::KTZ9W);
        ibwgen::ImagePreviewFooter footer;
        footer.version = version;
        footer.width = 2;
        footer.height = 2;
        footer.channelNames = {"Height", "Phase"};
        footer.pixels = {{1, 2, 3, 4}, {-1, -2, -3, -4}};
        waveSpec.imageFooter = footer;
        write(waveSpec);
    }
    ibwgen::WaveSpec force = Wave(ibwgen::Trailer::Force);
    ibwgen::ForcePreviewFooter ff;
    ff.dataLength = 4;
    ff.extendLength = 2;
    ff.retractLength = 2;
    ff.curveNames = {"Defl", "Amp"};
    ff.samples = {{0, 128, 255, 64}, {1, 2, 3, 4}};
    force.forceFooter = ff;
    write(force);

    const char* texts[] = {
        ("NumberOfFiles:2;DataTypeList:Height,Phase,;HeightFileStart:1000;PhaseFileStart:5096;Version:2;"
         "DataWidth:64;DataHeight:64;DataLength:4096;"),
        "Version:1;numberoffiles:2;NumberOfFiles: 2;;A:0;;B:4;DataLength:4;",
        "Version:3;NumberOfFiles:1;",
    };
    for (const char* text : texts) {
        ibwgen::WaveSpec waveSpec = Wave(ibwgen::Trailer::KTZ9W);
        waveSpec.rawFooterText = text;
        write(waveSpec);
    }
    ibwgen::WaveSpec rawForce = Wave(ibwgen::Trailer::Force);
    rawForce.rawFooterText = "NumberOfFiles:2;DataTypes:a,b,;ExtendStart1:0;ExtendStart2:8;ExtendLength:4;"
                             "RetractLength:4;";
    write(rawForce);
    // Waves without a footer, whose thumbnail comes from their data: a 2-D and a 3-D one of other
    // types and byte orders.
    for (std::int16_t type : {0x04, 0x10}) {
        ibwgen::WaveSpec bare = Wave(ibwgen::Trailer::None);
        bare.type = type;
        bare.bigEndian = type == 0x10;
        bare.dims = {2, 2, type == 0x10 ? 1 : 0, 0};
        write(bare);
    }
    return 0;
}
