#include "tools/shellfixtures/ShellFixtures.h"

#include "tools/ibwgen/IbwGen.h"
#include "tools/qvdfgen/QvdfGen.h"

#include <cstdint>
#include <vector>

namespace shellfixtures {

namespace {

// The footer text may take this much: the length field counts the text and the 11-byte tail.
constexpr std::size_t kFooterTextMax = 999999 - 11;

ibwgen::WaveSpec SmallWave(const std::string& note) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = {4, 4, 1, 0};
    waveSpec.values.assign(16, 1.0f);
    waveSpec.dimLabels[2] = {"HeightTrace"};
    waveSpec.note = note;
    return waveSpec;
}

// One 64 x 64 preview placed after the wave; the footer text is given whole.
ibwgen::WaveSpec WithOnePreview(ibwgen::WaveSpec waveSpec, std::string footerText) {
    ibwgen::ImagePreviewFooter footer;
    footer.width = 64;
    footer.height = 64;
    footer.channelNames = {"Height"};
    footer.pixels = {std::vector<std::int8_t>(64 * 64, 20)};
    waveSpec.imageFooter = footer;
    waveSpec.rawFooterText = std::move(footerText);
    return waveSpec;
}

std::string ImageHead(std::size_t channels) {
    return "Version:2;DataType:Byte;DataWidth:64;DataHeight:64;DataLength:4096;NumberOfFiles:" +
           std::to_string(channels) + ";";
}

const char* kNote = "ScanSize: 2e-05\rScanDown: 0\rImagingMode: 1\rScanPoints: 256\r";

} // namespace

bool WriteManyChannelsFooter(const std::string& path) {
    ibwgen::WaveSpec waveSpec = SmallWave(kNote);
    const std::string base = std::to_string(ibwgen::WaveSectionsSize(waveSpec));
    std::string list = "DataTypeList:";
    std::string offsets;
    const std::string head = ImageHead(kDeclaredChannels);
    for (int c = 0;; ++c) {
        const std::string name = "c" + std::to_string(c);
        const std::string entry = name + "FileStart:" + base + ";";
        if (head.size() + list.size() + name.size() + 2 + offsets.size() + entry.size() > kFooterTextMax) {
            break;
        }
        list += name + ",";
        offsets += entry;
    }
    return ibwgen::WriteWaveFile(path, WithOnePreview(waveSpec, head + list + ";" + offsets));
}

bool WriteDenseEntriesFooter(const std::string& path) {
    ibwgen::WaveSpec waveSpec = SmallWave(kNote);
    std::string text = ImageHead(kDeclaredChannels) + "DataTypeList:Height,;HeightFileStart:" +
                       std::to_string(ibwgen::WaveSectionsSize(waveSpec)) + ";";
    while (text.size() + 4 <= kFooterTextMax) {
        text += "k:1;";
    }
    return ibwgen::WriteWaveFile(path, WithOnePreview(waveSpec, text));
}

bool WriteManyCurvesFooter(const std::string& path) {
    ibwgen::WaveSpec waveSpec =
        SmallWave("ForceDist: 1.5e-07\rForceDistSign: 1\rIsTriggered: 0\rNumPtsPerWave: 200\r");
    waveSpec.trailer = ibwgen::Trailer::Force;
    ibwgen::ForcePreviewFooter footer;
    footer.dataLength = 100;
    footer.extendLength = 100;
    footer.retractLength = 100;
    footer.curveNames = {"Defl"};
    footer.samples = {std::vector<std::uint8_t>(200, 128)};
    waveSpec.forceFooter = footer;
    const std::string base = std::to_string(ibwgen::WaveSectionsSize(waveSpec));
    std::string starts;
    std::size_t curves = 0;
    const std::string headFormat =
        "DataType:UByte;FooterVersion:1;ForceDir:1;DataLength:100;ExtendLength:100;RetractLength:100;"
        "DataTypes:Defl,;NumberOfFiles:";
    for (;;) {
        const std::string entry = "ExtendStart" + std::to_string(curves + 1) + ":" + base + ";";
        if (headFormat.size() + 8 + starts.size() + entry.size() > kFooterTextMax) {
            break;
        }
        starts += entry;
        ++curves;
    }
    waveSpec.rawFooterText = headFormat + std::to_string(curves) + ";" + starts;
    return ibwgen::WriteWaveFile(path, waveSpec);
}

bool WriteLargePreview(const std::string& path) {
    ibwgen::WaveSpec waveSpec = SmallWave(kNote);
    ibwgen::ImagePreviewFooter footer;
    footer.width = kLargePreviewSide;
    footer.height = kLargePreviewSide;
    footer.channelNames = {"Height"};
    std::vector<std::int8_t> pixels(static_cast<std::size_t>(kLargePreviewSide) * kLargePreviewSide);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::int8_t>((i / kLargePreviewSide + i % kLargePreviewSide) / 47);
    }
    footer.pixels = {std::move(pixels)};
    waveSpec.imageFooter = std::move(footer);
    return ibwgen::WriteWaveFile(path, waveSpec);
}

bool WriteLongNote(const std::string& path) {
    std::string note = kNote;
    for (int line = 0; note.size() < kLongNoteBytes; ++line) {
        note += "Line" + std::to_string(line) + ": value\r";
    }
    ibwgen::WaveSpec waveSpec = SmallWave(note);
    ibwgen::ImagePreviewFooter footer;
    footer.width = 8;
    footer.height = 8;
    footer.channelNames = {"Height"};
    footer.pixels = {std::vector<std::int8_t>(64, 1)};
    waveSpec.imageFooter = footer;
    return ibwgen::WriteWaveFile(path, waveSpec);
}

bool WriteManyImagesContainer(const std::string& path) {
    qvdfgen::ContainerSpec containerSpec;
    qvdfgen::Image image;
    qvdfgen::Thumbnail thumbnail;
    thumbnail.width = 8;
    thumbnail.height = 8;
    thumbnail.pixels = std::vector<std::int8_t>(64, 30);
    image.thumbnail = thumbnail;
    containerSpec.images.assign(kContainerImages, image);
    containerSpec.notes = std::string("Operator:Ada\r");
    return qvdfgen::WriteContainerFile(path, containerSpec);
}

} // namespace shellfixtures
