#include "tools/ibwgen/IbwGen.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>

namespace ibwgen {
namespace {

constexpr std::size_t kBinHeaderSize = 64;
constexpr std::size_t kWaveHeaderSize = 320;
constexpr std::size_t kLabelSize = 32;
constexpr std::size_t kWaveHeader2Size = 110; // versions 1-3
constexpr std::size_t kOldPadding = 16;       // behind the data of versions 1-3

bool OldLayout(const WaveSpec& waveSpec) {
    return waveSpec.version >= 1 && waveSpec.version <= 3;
}

// Binary-header size of versions 1, 2 and 3; the checksum is its last field.
std::size_t OldBinHeaderSize(const WaveSpec& waveSpec) {
    return waveSpec.version == 1 ? 8 : waveSpec.version == 2 ? 16 : 20;
}

// Writes numbers at fixed offsets of a byte buffer in the file's byte order.
class ByteWriter {
public:
    ByteWriter(std::vector<std::uint8_t>& bytes, bool bigEndian) : m_bytes(bytes), m_big(bigEndian) {}

    template <typename T> void Put(std::size_t offset, T value) {
        std::uint8_t raw[sizeof(T)];
        std::memcpy(raw, &value, sizeof(T));
        if (m_big != (std::endian::native == std::endian::big)) {
            std::reverse(raw, raw + sizeof(T));
        }
        std::memcpy(m_bytes.data() + offset, raw, sizeof(T));
    }

    template <typename T> void Append(T value) {
        std::size_t at = m_bytes.size();
        m_bytes.resize(at + sizeof(T));
        Put(at, value);
    }

    void PutText(std::size_t offset, const std::string& text, std::size_t maxChars) {
        std::memcpy(m_bytes.data() + offset, text.data(), std::min(text.size(), maxChars));
    }

private:
    std::vector<std::uint8_t>& m_bytes;
    bool m_big;
};

std::int32_t LabelBytes(const WaveSpec& waveSpec, int dim) {
    if (OldLayout(waveSpec) || (waveSpec.dimNames[dim].empty() && waveSpec.dimLabels[dim].empty())) {
        return 0;
    }
    return static_cast<std::int32_t>(kLabelSize * (waveSpec.dimLabels[dim].size() + 1));
}

std::size_t DataBytes(const WaveSpec& waveSpec) {
    int part = ElementSize(static_cast<std::int16_t>(waveSpec.type & ~0x01));
    if (!waveSpec.exactValues.empty()) {
        return waveSpec.exactValues.size() * static_cast<std::size_t>(part);
    }
    if (waveSpec.values.empty()) {
        return waveSpec.rawData.size();
    }
    return waveSpec.values.size() * static_cast<std::size_t>(part);
}

// The value must lie in the type's range.
void AppendValue(ByteWriter& out, std::int16_t type, double value) {
    bool isUnsigned = (type & 0x40) != 0;
    switch (type & ~0x41) {
    case 0x02:
        out.Append(static_cast<float>(value));
        break;
    case 0x04:
        out.Append(value);
        break;
    case 0x08:
        isUnsigned ? out.Append(static_cast<std::uint8_t>(value))
                   : out.Append(static_cast<std::int8_t>(value));
        break;
    case 0x10:
        isUnsigned ? out.Append(static_cast<std::uint16_t>(value))
                   : out.Append(static_cast<std::int16_t>(value));
        break;
    case 0x20:
        isUnsigned ? out.Append(static_cast<std::uint32_t>(value))
                   : out.Append(static_cast<std::int32_t>(value));
        break;
    default:
        break;
    }
}

void AppendData(std::vector<std::uint8_t>& bytes, const WaveSpec& waveSpec) {
    ByteWriter out(bytes, waveSpec.bigEndian);
    if (!waveSpec.exactValues.empty()) {
        for (double v : waveSpec.exactValues) {
            AppendValue(out, waveSpec.type, v);
        }
        return;
    }
    if (!waveSpec.values.empty()) {
        for (float v : waveSpec.values) {
            AppendValue(out, waveSpec.type, v);
        }
        return;
    }
    std::size_t at = bytes.size();
    bytes.insert(bytes.end(), waveSpec.rawData.begin(), waveSpec.rawData.end());
    int unit = ElementSize(static_cast<std::int16_t>(waveSpec.type & ~0x01));
    if (unit > 1 && waveSpec.bigEndian != (std::endian::native == std::endian::big)) {
        for (std::size_t i = at; i + unit <= bytes.size(); i += unit) {
            std::reverse(bytes.begin() + static_cast<std::ptrdiff_t>(i),
                         bytes.begin() + static_cast<std::ptrdiff_t>(i + unit));
        }
    }
}

void AppendLabel(std::vector<std::uint8_t>& bytes, const std::string& label) {
    std::size_t at = bytes.size();
    bytes.resize(at + kLabelSize, 0);
    std::memcpy(bytes.data() + at, label.data(), std::min(label.size(), kLabelSize - 1));
}

int ImagePreviewLength(const ImagePreviewFooter& f) {
    return f.dataLength != 0 ? f.dataLength : f.width * f.height;
}

int ForcePreviewLength(const ForcePreviewFooter& f) {
    return f.extendLength + f.retractLength;
}

std::string ImageFooterText(const ImagePreviewFooter& f, std::size_t base) {
    int length = ImagePreviewLength(f);
    std::string text = "Version:" + std::to_string(f.version) + ";DataType:" + f.dataType +
                       ";DataWidth:" + std::to_string(f.width) + ";DataHeight:" + std::to_string(f.height) +
                       ";DataLength:" + std::to_string(length) +
                       ";NumberOfFiles:" + std::to_string(f.channelNames.size()) + ";";
    auto offset = [&](std::size_t c) { return std::to_string(base + c * static_cast<std::size_t>(length)); };
    if (f.version == 1) {
        for (std::size_t c = 0; c < f.channelNames.size(); ++c) {
            text += f.channelNames[c] + ":" + offset(c) + ";";
        }
        return text;
    }
    text += "DataTypeList:";
    for (const std::string& name : f.channelNames) {
        text += name + ",";
    }
    text += ";";
    for (std::size_t c = 0; c < f.channelNames.size(); ++c) {
        text += f.channelNames[c] + "FileStart:" + offset(c) + ";";
    }
    return text;
}

std::string ForceFooterText(const ForcePreviewFooter& f, std::size_t base) {
    std::string text = "DataType:" + f.dataType + ";FooterVersion:" + std::to_string(f.footerVersion) +
                       ";ForceDir:" + std::to_string(f.forceDir) +
                       ";DataLength:" + std::to_string(f.dataLength) +
                       ";ExtendLength:" + std::to_string(f.extendLength) +
                       ";RetractLength:" + std::to_string(f.retractLength) +
                       ";NumberOfFiles:" + std::to_string(f.curveNames.size()) + ";DataTypes:";
    for (const std::string& name : f.curveNames) {
        text += name + ",";
    }
    text += ";";
    std::size_t length = static_cast<std::size_t>(ForcePreviewLength(f));
    for (std::size_t c = 0; c < f.curveNames.size(); ++c) {
        text += "ExtendStart" + std::to_string(c + 1) + ":" + std::to_string(base + c * length) + ";";
    }
    return text;
}

template <typename T>
void AppendPreviews(std::vector<std::uint8_t>& bytes, std::size_t count,
                    const std::vector<std::vector<T>>& data, int length) {
    for (std::size_t c = 0; c < count; ++c) {
        std::size_t at = bytes.size();
        bytes.resize(at + static_cast<std::size_t>(std::max(length, 0)), 0);
        if (c < data.size()) {
            std::size_t n = std::min(data[c].size(), static_cast<std::size_t>(std::max(length, 0)));
            std::memcpy(bytes.data() + at, data[c].data(), n);
        }
    }
}

const char* TrailerTag(Trailer trailer) {
    switch (trailer) {
    case Trailer::KTZ9W:
        return "KTZ9W";
    case Trailer::Force:
        return "Force";
    case Trailer::None:
        break;
    }
    return "";
}

// The checksum field makes the given words sum to zero in the file's byte order (plus the delta).
void PutChecksum(std::vector<std::uint8_t>& bytes, const WaveSpec& waveSpec, std::size_t checked,
                 std::size_t field) {
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i + 1 < checked; i += 2) {
        std::uint16_t word = waveSpec.bigEndian ? static_cast<std::uint16_t>(bytes[i] << 8 | bytes[i + 1])
                                                : static_cast<std::uint16_t>(bytes[i + 1] << 8 | bytes[i]);
        sum = static_cast<std::uint16_t>(sum + word);
    }
    ByteWriter(bytes, waveSpec.bigEndian)
        .Put<std::uint16_t>(field, static_cast<std::uint16_t>(-sum + waveSpec.checksumDelta));
}

std::int32_t PointCount(const WaveSpec& waveSpec) {
    int elementSize = ElementSize(waveSpec.type);
    std::size_t dataBytes = DataBytes(waveSpec);
    return waveSpec.pointCount.value_or(elementSize > 0 ? static_cast<std::int32_t>(dataBytes / elementSize)
                                                        : 0);
}

// Version 5: binary header, wave header, data, formula, note and dimension labels.
std::vector<std::uint8_t> WaveSections(const WaveSpec& waveSpec) {
    std::vector<std::uint8_t> bytes(kBinHeaderSize + kWaveHeaderSize, 0);
    ByteWriter out(bytes, waveSpec.bigEndian);
    std::size_t dataBytes = DataBytes(waveSpec);

    // Binary header.
    out.Put<std::int16_t>(0, waveSpec.version);
    out.Put<std::int32_t>(4,
                          waveSpec.waveSize.value_or(static_cast<std::int32_t>(kWaveHeaderSize + dataBytes)));
    out.Put<std::int32_t>(8, static_cast<std::int32_t>(waveSpec.formula.size()));
    out.Put<std::int32_t>(12, waveSpec.noteSize.value_or(static_cast<std::int32_t>(waveSpec.note.size())));
    out.Put<std::int32_t>(16, static_cast<std::int32_t>(waveSpec.extendedDataUnits.size()));
    for (int d = 0; d < 4; ++d) {
        out.Put<std::int32_t>(20 + 4 * d, static_cast<std::int32_t>(waveSpec.extendedDimUnits[d].size()));
        out.Put<std::int32_t>(36 + 4 * d, waveSpec.labelSize[d].value_or(LabelBytes(waveSpec, d)));
    }

    // Wave header, at 64.
    out.Put<std::int32_t>(64 + 12, PointCount(waveSpec));
    out.Put<std::int16_t>(64 + 16, waveSpec.type);
    out.Put<std::int16_t>(64 + 26, 1);
    out.PutText(64 + 28, waveSpec.waveName, 31);
    for (int d = 0; d < 4; ++d) {
        out.Put<std::int32_t>(64 + 68 + 4 * d, waveSpec.dims[d]);
        out.Put<double>(64 + 84 + 8 * d, waveSpec.spacing[d]);
        out.Put<double>(64 + 116 + 8 * d, waveSpec.start[d]);
        out.PutText(64 + 152 + 4 * d, waveSpec.dimUnits[d], 3);
    }
    out.PutText(64 + 148, waveSpec.dataUnits, 3);
    // The 192 header words must sum to zero.
    PutChecksum(bytes, waveSpec, kBinHeaderSize + kWaveHeaderSize, 2);

    AppendData(bytes, waveSpec);
    bytes.insert(bytes.end(), waveSpec.formula.begin(), waveSpec.formula.end());
    bytes.insert(bytes.end(), waveSpec.note.begin(), waveSpec.note.end());
    bytes.insert(bytes.end(), waveSpec.extendedDataUnits.begin(), waveSpec.extendedDataUnits.end());
    for (const std::string& units : waveSpec.extendedDimUnits) {
        bytes.insert(bytes.end(), units.begin(), units.end());
    }
    for (int d = 0; d < 4; ++d) {
        if (LabelBytes(waveSpec, d) == 0) {
            continue;
        }
        AppendLabel(bytes, waveSpec.dimNames[d]);
        for (const std::string& label : waveSpec.dimLabels[d]) {
            AppendLabel(bytes, label);
        }
    }
    return bytes;
}

// Versions 1-3: binary header, the one wave header (x spacing, start and unit from dimension 0),
// data, 16 bytes of padding, then the note (2 and 3) and the formula (3).
std::vector<std::uint8_t> OldWaveSections(const WaveSpec& waveSpec) {
    const std::size_t binSize = OldBinHeaderSize(waveSpec);
    std::vector<std::uint8_t> bytes(binSize + kWaveHeader2Size, 0);
    ByteWriter out(bytes, waveSpec.bigEndian);
    const std::size_t dataBytes = DataBytes(waveSpec);

    out.Put<std::int16_t>(0, waveSpec.version);
    out.Put<std::int32_t>(
        2, waveSpec.waveSize.value_or(static_cast<std::int32_t>(kWaveHeader2Size + dataBytes + kOldPadding)));
    const auto noteSize = waveSpec.noteSize.value_or(static_cast<std::int32_t>(waveSpec.note.size()));
    if (waveSpec.version >= 2) {
        out.Put<std::int32_t>(6, noteSize);
    }
    if (waveSpec.version == 3) {
        out.Put<std::int32_t>(10, static_cast<std::int32_t>(waveSpec.formula.size()));
    }

    const std::size_t h = binSize;
    out.Put<std::int16_t>(h, waveSpec.type);
    out.PutText(h + 6, waveSpec.waveName, 19);
    out.PutText(h + 34, waveSpec.dataUnits, 3);
    out.PutText(h + 38, waveSpec.dimUnits[0], 3);
    out.Put<std::int32_t>(h + 42, PointCount(waveSpec));
    out.Put<double>(h + 48, waveSpec.spacing[0]);
    out.Put<double>(h + 56, waveSpec.start[0]);

    AppendData(bytes, waveSpec);
    bytes.resize(bytes.size() + kOldPadding, 0);
    // The binary header, the wave header and the 16 bytes behind it.
    PutChecksum(bytes, waveSpec, binSize + kWaveHeader2Size + kOldPadding, binSize - 2);
    if (waveSpec.version >= 2) {
        bytes.insert(bytes.end(), waveSpec.note.begin(), waveSpec.note.end());
    }
    if (waveSpec.version == 3) {
        bytes.insert(bytes.end(), waveSpec.formula.begin(), waveSpec.formula.end());
    }
    return bytes;
}

} // namespace

int ElementSize(std::int16_t type) {
    int base = 0;
    switch (type & ~0x41) {
    case 0x02:
    case 0x20:
        base = 4;
        break;
    case 0x04:
        base = 8;
        break;
    case 0x08:
        base = 1;
        break;
    case 0x10:
        base = 2;
        break;
    default:
        return 0;
    }
    return (type & 0x01) != 0 ? 2 * base : base;
}

std::size_t WaveSectionsSize(const WaveSpec& waveSpec) {
    if (OldLayout(waveSpec)) {
        return OldBinHeaderSize(waveSpec) + kWaveHeader2Size + DataBytes(waveSpec) + kOldPadding +
               (waveSpec.version >= 2 ? waveSpec.note.size() : 0) +
               (waveSpec.version == 3 ? waveSpec.formula.size() : 0);
    }
    std::size_t size = kBinHeaderSize + kWaveHeaderSize + DataBytes(waveSpec) + waveSpec.formula.size() +
                       waveSpec.note.size() + waveSpec.extendedDataUnits.size();
    for (int d = 0; d < 4; ++d) {
        size += waveSpec.extendedDimUnits[d].size() + static_cast<std::size_t>(LabelBytes(waveSpec, d));
    }
    return size;
}

std::string FooterText(const WaveSpec& waveSpec) {
    if (waveSpec.rawFooterText) {
        return *waveSpec.rawFooterText;
    }
    if (waveSpec.imageFooter) {
        return ImageFooterText(*waveSpec.imageFooter, WaveSectionsSize(waveSpec));
    }
    if (waveSpec.forceFooter) {
        return ForceFooterText(*waveSpec.forceFooter, WaveSectionsSize(waveSpec));
    }
    return {};
}

std::vector<std::uint8_t> BuildWave(const WaveSpec& waveSpec) {
    std::vector<std::uint8_t> bytes =
        OldLayout(waveSpec) ? OldWaveSections(waveSpec) : WaveSections(waveSpec);
    std::string tag = TrailerTag(waveSpec.trailer);
    std::string footer = FooterText(waveSpec);
    if (waveSpec.imageFooter) {
        const ImagePreviewFooter& f = *waveSpec.imageFooter;
        AppendPreviews(bytes, f.channelNames.size(), f.pixels, ImagePreviewLength(f));
    } else if (waveSpec.forceFooter) {
        const ForcePreviewFooter& f = *waveSpec.forceFooter;
        AppendPreviews(bytes, f.curveNames.size(), f.samples, ForcePreviewLength(f));
    }
    if (!footer.empty()) {
        // The length field: six characters, right-aligned with spaces.
        std::string length = std::to_string(footer.size() + 11);
        footer += std::string(length.size() < 6 ? 6 - length.size() : 0, ' ') + length;
    }
    bytes.insert(bytes.end(), footer.begin(), footer.end());
    bytes.insert(bytes.end(), tag.begin(), tag.end());
    return bytes;
}

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool WriteWaveFile(const std::string& path, const WaveSpec& waveSpec) {
    return WriteBytes(path, BuildWave(waveSpec));
}

} // namespace ibwgen
