// Writes Igor binary wave files (the layouts of versions 1, 2, 3 and 5, either byte order) from a
// plain description, with the instrument's trailer and preview footers. Tests and tools build
// every fixture with it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ibwgen {

enum class Trailer { None, KTZ9W, Force };

// An image preview footer: one 8-bit picture per channel, placed after the wave's sections.
struct ImagePreviewFooter {
    int version = 2;                       // 1: "name:offset;" entries, 2: DataTypeList + FileStart keys
    std::string dataType = "Byte";         // written as the DataType value
    int width = 0;                         // DataWidth
    int height = 0;                        // DataHeight
    int dataLength = 0;                    // DataLength; 0 = width * height
    std::vector<std::string> channelNames; // one per channel, e.g. "Height"
    std::vector<std::vector<std::int8_t>> pixels; // one per channel, bottom row first; padded to DataLength
};

// A force-curve preview footer: per curve the extend samples followed by the retract samples.
struct ForcePreviewFooter {
    std::string dataType = "UByte";                 // DataType
    int footerVersion = 1;                          // FooterVersion
    int forceDir = 1;                               // ForceDir
    int dataLength = 0;                             // DataLength: samples across the plot
    int extendLength = 0;                           // ExtendLength
    int retractLength = 0;                          // RetractLength
    std::vector<std::string> curveNames;            // written as DataTypes "a,b,"
    std::vector<std::vector<std::uint8_t>> samples; // per curve; padded to extend + retract
};

struct WaveSpec {
    bool bigEndian = false;   // byte order of every number in the file
    std::int16_t version = 5; // 1, 2, 3: that version's layout (one dimension); any other: version 5
    std::int16_t type = 0x02; // data type (0x02 float, 0x04 double, 0x08/0x10/0x20 ints, flags 0x01/0x40)
    std::string waveName = "wave0";              // at most 31 characters are kept
    std::array<std::int32_t, 4> dims{};          // elements per dimension, 0 = unused
    std::array<double, 4> spacing{1, 1, 1, 1};   // per-dimension step
    std::array<double, 4> start{};               // per-dimension first coordinate
    std::string dataUnits;                       // at most 3 characters are kept
    std::array<std::string, 4> dimUnits;         // at most 3 characters each
    std::string extendedDataUnits;               // version 5: the data units' own section, any length
    std::array<std::string, 4> extendedDimUnits; // version 5: each dimension's units section
    std::vector<float> values;           // element values converted to the type (complex: re, im pairs)
    std::vector<double> exactValues;     // used instead of values when given: every value of the type
    std::vector<std::uint8_t> rawData;   // element bytes in host order, used without values
    std::string formula;                 // dependency formula bytes (not in version 1 and 2)
    std::string note;                    // CR-separated lines, written as is (not in version 1)
    std::array<std::string, 4> dimNames; // the dimension's own label (version 5 only)
    std::array<std::vector<std::string>, 4> dimLabels; // element labels per dimension (version 5 only)
    Trailer trailer = Trailer::KTZ9W;                  // the 5-byte tag that ends the file
    std::optional<ImagePreviewFooter> imageFooter;     // previews + footer before the tag
    std::optional<ForcePreviewFooter> forceFooter;     // previews + footer before the tag
    std::optional<std::string> rawFooterText;          // exact footer text; previews still placed

    // Knobs for hostile fixtures: each replaces the value the header would otherwise carry.
    std::optional<std::int32_t> pointCount; // header point count (default: elements in the data)
    std::optional<std::int32_t> waveSize;   // binary-header wave size (default: 320 + data bytes, 126 + data
                                            // bytes in versions 1-3)
    std::optional<std::int32_t> noteSize;   // binary-header note size (default: note bytes)
    std::array<std::optional<std::int32_t>, 4> labelSize; // binary-header dimension-label sizes
    std::int16_t checksumDelta = 0;                       // added to the correct checksum; non-zero breaks it
};

// Size of one element of the type in bytes (complex doubles it), 0 for an invalid base type.
int ElementSize(std::int16_t type);

// Bytes of the wave's own sections (headers, data, formula, note, labels): where previews start.
std::size_t WaveSectionsSize(const WaveSpec& waveSpec);

// The footer text the description produces (rawFooterText when given), empty without a footer.
std::string FooterText(const WaveSpec& waveSpec);

std::vector<std::uint8_t> BuildWave(const WaveSpec& waveSpec);
bool WriteWaveFile(const std::string& path, const WaveSpec& waveSpec);
bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace ibwgen
