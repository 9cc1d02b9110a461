#include "tests/sweep/SweepFixtures.h"

#include "tools/ibwgen/IbwGen.h"
#include "tools/qvdfgen/QvdfGen.h"

namespace {

constexpr int kColumns = 8;
constexpr int kRows = 6;

ibwgen::WaveSpec Image(bool big, int layers) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.bigEndian = big;
    waveSpec.dims = {kColumns, kRows, layers, 0};
    waveSpec.spacing = {1e-8, 1e-8, 1, 1};
    waveSpec.dimUnits = {"m", "m", "", ""};
    waveSpec.values.resize(static_cast<std::size_t>(kColumns * kRows * layers));
    for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
        waveSpec.values[i] = static_cast<float>(i) * 0.25f - 3.0f;
    }
    waveSpec.dimLabels[2] = {"HeightRetrace", "AmplitudeRetrace", "PhaseRetrace"};
    waveSpec.dimLabels[2].resize(static_cast<std::size_t>(layers));
    waveSpec.note =
        "ScanSize: 8e-08\rScanRate: 1\r\rDisplay Range 0: 1e-08 \rColorMap 0: Grays256\rTime: 12:30:00\r";
    return waveSpec;
}

ibwgen::ImagePreviewFooter ImageFooter(int version) {
    ibwgen::ImagePreviewFooter footer;
    footer.version = version;
    footer.width = 4;
    footer.height = 3;
    footer.channelNames = {"HeightRetrace", "AmplitudeRetrace", "PhaseRetrace"};
    for (int c = 0; c < 3; ++c) {
        std::vector<std::int8_t> pixels;
        for (int i = 0; i < 12; ++i) {
            pixels.push_back(static_cast<std::int8_t>(i * 20 - 120 + c));
        }
        footer.pixels.push_back(pixels);
    }
    return footer;
}

ibwgen::WaveSpec Force(bool big) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.bigEndian = big;
    waveSpec.dims = {16, 2, 0, 0};
    waveSpec.values.resize(32, 1.5f);
    waveSpec.dimLabels[1] = {"Raw", "Defl"};
    waveSpec.note = "SpringConstant: 0.1\r";
    waveSpec.trailer = ibwgen::Trailer::Force;
    ibwgen::ForcePreviewFooter footer;
    footer.dataLength = 8;
    footer.extendLength = 5;
    footer.retractLength = 4;
    footer.curveNames = {"Defl", "ZSensor"};
    footer.samples = {{0, 40, 90, 160, 255, 250, 120, 30, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90}};
    waveSpec.forceFooter = footer;
    return waveSpec;
}

ibwgen::WaveSpec Typed(std::int16_t type, bool big) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.bigEndian = big;
    waveSpec.type = type;
    waveSpec.dims = {5, 4, 0, 0};
    waveSpec.values.resize(type & 0x01 ? 40 : 20);
    for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
        waveSpec.values[i] = static_cast<float>(i) - 7.0f;
    }
    waveSpec.dataUnits = "V";
    waveSpec.trailer = ibwgen::Trailer::None;
    return waveSpec;
}

// Each record's size, misc and flags fields (and a table's total size, count and entry size) with
// the low bit flipped and all ones, the record's crc made to match again.
std::vector<DamageCase> QvdfFieldCases(const std::vector<std::uint8_t>& bytes,
                                       const qvdfgen::Layout& layout) {
    struct Field {
        const char* name;
        std::uint64_t offset;
        std::uint64_t size;
    };
    std::vector<std::pair<std::uint64_t, bool>> records = {{layout.toc, true}};
    for (const auto* list : {&layout.tocEntries, &layout.images, &layout.definitions, &layout.thumbnails}) {
        for (std::uint64_t at : *list) {
            records.emplace_back(at, false);
        }
    }
    records.emplace_back(layout.textTable, true);
    records.emplace_back(layout.text, false);
    std::vector<DamageCase> cases;
    for (const auto& [at, table] : records) {
        if (at == 0 || at + 32 > bytes.size()) {
            continue;
        }
        std::vector<Field> fields = {{"size", 4, 4}, {"misc", 12, 2}, {"flags", 14, 2}};
        if (table) {
            fields.insert(fields.end(), {{"table size", 16, 8}, {"count", 24, 4}, {"entry size", 28, 4}});
        }
        const std::uint32_t recordSize = static_cast<std::uint32_t>(
            bytes[at + 4] | bytes[at + 5] << 8 | bytes[at + 6] << 16 | bytes[at + 7] << 24);
        for (const Field& field : fields) {
            for (bool allOnes : {false, true}) {
                std::vector<std::uint8_t> damaged = bytes;
                for (std::uint64_t i = 0; i < field.size; ++i) {
                    std::uint8_t& byte = damaged[at + field.offset + i];
                    byte = allOnes ? 0xFF : (i == 0 ? byte ^ 0x01 : byte);
                }
                if (recordSize >= 4 && at + recordSize <= damaged.size()) {
                    qvdfgen::Put32(&damaged, at, qvdfgen::Crc32(damaged.data() + at + 4, recordSize - 4));
                }
                DamageCase damage;
                damage.label = "record at " + std::to_string(at) + " " + field.name +
                               (allOnes ? " all ones" : " low bit");
                damage.length = static_cast<std::int64_t>(damaged.size());
                damage.content = std::move(damaged);
                damage.fullOnly = allOnes;
                cases.push_back(std::move(damage));
            }
        }
    }
    return cases;
}

SweepFixture Wave(std::string name, const ibwgen::WaveSpec& waveSpec, bool sampled = false) {
    return {std::move(name) + ".ibw", ibwgen::BuildWave(waveSpec), sampled, {}};
}

SweepFixture Container(std::string name, const qvdfgen::ContainerSpec& containerSpec, bool sampled = false) {
    qvdfgen::Layout layout;
    std::vector<std::uint8_t> bytes = qvdfgen::BuildContainer(containerSpec, &layout);
    std::vector<DamageCase> cases = QvdfFieldCases(bytes, layout);
    return {std::move(name) + ".qvdf", std::move(bytes), sampled, std::move(cases)};
}

qvdfgen::Image QvdfImage(const char* channel, int width, int height) {
    qvdfgen::Image image;
    image.channelName = channel;
    if (width > 0) {
        qvdfgen::Thumbnail thumbnail;
        thumbnail.width = static_cast<std::uint16_t>(width);
        thumbnail.height = static_cast<std::uint16_t>(height);
        for (int i = 0; i < width * height; ++i) {
            thumbnail.pixels.push_back(static_cast<std::int8_t>(i * 7 - 100));
        }
        image.thumbnail = thumbnail;
    }
    return image;
}

} // namespace

std::vector<SweepFixture> SweepFixtures() {
    std::vector<SweepFixture> fixtures;
    for (bool big : {false, true}) {
        const std::string order = big ? "-be" : "-le";
        ibwgen::WaveSpec image = Image(big, 3);
        image.imageFooter = ImageFooter(2);
        fixtures.push_back(Wave("image-footer2" + order, image, !big));
        image.imageFooter = ImageFooter(1);
        fixtures.push_back(Wave("image-footer1" + order, image));
        fixtures.push_back(Wave("force" + order, Force(big), big));
    }
    fixtures.push_back(Wave("image-no-footer", Image(false, 2)));

    ibwgen::WaveSpec labelled = Image(true, 3);
    labelled.dimNames = {"X", "Y", "Layers", ""};
    labelled.dimLabels[0] = {"c0", "c1", "c2", "c3", "c4", "c5", "c6", "c7"};
    labelled.formula = "root:wave1 * 2";
    labelled.dataUnits = "m";
    fixtures.push_back(Wave("image-labels-formula-be", labelled));

    ibwgen::WaveSpec plain = Image(false, 0);
    plain.dims = {kColumns, kRows, 0, 0};
    plain.values.resize(kColumns * kRows);
    plain.trailer = ibwgen::Trailer::None;
    fixtures.push_back(Wave("plain-2d", plain));

    const std::pair<std::int16_t, const char*> types[] = {{0x03, "complex-float"}, {0x04, "double"},
                                                          {0x08, "int8"},          {0x50, "uint16"},
                                                          {0x20, "int32"},         {0x05, "complex-double"}};
    for (const auto& [type, name] : types) {
        fixtures.push_back(Wave(std::string(name) + "-be", Typed(type, true)));
    }
    ibwgen::WaveSpec text = Typed(0, false);
    text.values.clear();
    text.rawData = {'a', 'b', 'c', 'd'};
    fixtures.push_back(Wave("text", text));

    qvdfgen::ContainerSpec container;
    container.images = {QvdfImage("Height", 6, 4), QvdfImage("Phase", 3, 2)};
    container.notes = "ScanSize: 5e-06\rScanRate: 1\r";
    fixtures.push_back(Container("container-thumbnails", container, true));
    qvdfgen::ContainerSpec odd;
    odd.images = {QvdfImage("Amplitude", 0, 0), QvdfImage("Height", 2, 2)};
    odd.images[0].hasDefinition = false;
    odd.images[1].dataBytes = 40;
    odd.spareEntries = 2;
    odd.tailBytes = 24;
    odd.textMisc = 1;
    odd.notes = "Hidden: 1\r";
    fixtures.push_back(Container("container-odd", odd));
    return fixtures;
}
