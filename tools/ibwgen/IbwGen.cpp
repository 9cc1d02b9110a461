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

std::int32_t LabelBytes(const WaveSpec& spec, int dim) {
    if (spec.dimNames[dim].empty() && spec.dimLabels[dim].empty()) {
        return 0;
    }
    return static_cast<std::int32_t>(kLabelSize * (spec.dimLabels[dim].size() + 1));
}

std::size_t DataBytes(const WaveSpec& spec) {
    if (spec.values.empty()) {
        return spec.rawData.size();
    }
    int part = ElementSize(static_cast<std::int16_t>(spec.type & ~0x01));
    return spec.values.size() * static_cast<std::size_t>(part);
}

void AppendValue(ByteWriter& out, std::int16_t type, float value) {
    bool isUnsigned = (type & 0x40) != 0;
    switch (type & ~0x41) {
    case 0x02:
        out.Append(value);
        break;
    case 0x04:
        out.Append(static_cast<double>(value));
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

void AppendData(std::vector<std::uint8_t>& bytes, const WaveSpec& spec) {
    ByteWriter out(bytes, spec.bigEndian);
    if (!spec.values.empty()) {
        for (float v : spec.values) {
            AppendValue(out, spec.type, v);
        }
        return;
    }
    std::size_t at = bytes.size();
    bytes.insert(bytes.end(), spec.rawData.begin(), spec.rawData.end());
    int unit = ElementSize(static_cast<std::int16_t>(spec.type & ~0x01));
    if (unit > 1 && spec.bigEndian != (std::endian::native == std::endian::big)) {
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

std::size_t WaveSectionsSize(const WaveSpec& spec) {
    std::size_t size =
        kBinHeaderSize + kWaveHeaderSize + DataBytes(spec) + spec.formula.size() + spec.note.size();
    for (int d = 0; d < 4; ++d) {
        size += static_cast<std::size_t>(LabelBytes(spec, d));
    }
    return size;
}

std::string FooterText(const WaveSpec& spec) {
    if (spec.rawFooterText) {
        return *spec.rawFooterText;
    }
    if (spec.imageFooter) {
        return ImageFooterText(*spec.imageFooter, WaveSectionsSize(spec));
    }
    if (spec.forceFooter) {
        return ForceFooterText(*spec.forceFooter, WaveSectionsSize(spec));
    }
    return {};
}

std::vector<std::uint8_t> BuildWave(const WaveSpec& spec) {
    std::vector<std::uint8_t> bytes(kBinHeaderSize + kWaveHeaderSize, 0);
    ByteWriter out(bytes, spec.bigEndian);
    std::size_t dataBytes = DataBytes(spec);
    int elementSize = ElementSize(spec.type);

    // Binary header.
    out.Put<std::int16_t>(0, spec.version);
    out.Put<std::int32_t>(4, spec.waveSize.value_or(static_cast<std::int32_t>(kWaveHeaderSize + dataBytes)));
    out.Put<std::int32_t>(8, static_cast<std::int32_t>(spec.formula.size()));
    out.Put<std::int32_t>(12, spec.noteSize.value_or(static_cast<std::int32_t>(spec.note.size())));
    for (int d = 0; d < 4; ++d) {
        out.Put<std::int32_t>(36 + 4 * d, spec.labelSize[d].value_or(LabelBytes(spec, d)));
    }

    // Wave header, at 64.
    std::int32_t points = elementSize > 0 ? static_cast<std::int32_t>(dataBytes / elementSize) : 0;
    out.Put<std::int32_t>(64 + 12, spec.pointCount.value_or(points));
    out.Put<std::int16_t>(64 + 16, spec.type);
    out.Put<std::int16_t>(64 + 26, 1);
    out.PutText(64 + 28, spec.waveName, 31);
    for (int d = 0; d < 4; ++d) {
        out.Put<std::int32_t>(64 + 68 + 4 * d, spec.dims[d]);
        out.Put<double>(64 + 84 + 8 * d, spec.spacing[d]);
        out.Put<double>(64 + 116 + 8 * d, spec.start[d]);
        out.PutText(64 + 152 + 4 * d, spec.dimUnits[d], 3);
    }
    out.PutText(64 + 148, spec.dataUnits, 3);

    // The 192 header words must sum to zero in the file's byte order.
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < kBinHeaderSize + kWaveHeaderSize; i += 2) {
        std::uint16_t word = spec.bigEndian ? static_cast<std::uint16_t>(bytes[i] << 8 | bytes[i + 1])
                                            : static_cast<std::uint16_t>(bytes[i + 1] << 8 | bytes[i]);
        sum = static_cast<std::uint16_t>(sum + word);
    }
    out.Put<std::uint16_t>(2, static_cast<std::uint16_t>(-sum + spec.checksumDelta));

    AppendData(bytes, spec);
    bytes.insert(bytes.end(), spec.formula.begin(), spec.formula.end());
    bytes.insert(bytes.end(), spec.note.begin(), spec.note.end());
    for (int d = 0; d < 4; ++d) {
        if (LabelBytes(spec, d) == 0) {
            continue;
        }
        AppendLabel(bytes, spec.dimNames[d]);
        for (const std::string& label : spec.dimLabels[d]) {
            AppendLabel(bytes, label);
        }
    }

    std::string tag = TrailerTag(spec.trailer);
    std::string footer = FooterText(spec);
    if (spec.imageFooter) {
        const ImagePreviewFooter& f = *spec.imageFooter;
        AppendPreviews(bytes, f.channelNames.size(), f.pixels, ImagePreviewLength(f));
    } else if (spec.forceFooter) {
        const ForcePreviewFooter& f = *spec.forceFooter;
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

bool WriteWaveFile(const std::string& path, const WaveSpec& spec) {
    return WriteBytes(path, BuildWave(spec));
}

} // namespace ibwgen
