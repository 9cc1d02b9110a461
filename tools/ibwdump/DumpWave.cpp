#include "tools/ibwdump/DumpWave.h"

#include "ibw/CIBWReader.h"
#include "tools/ibwdump/FooterEntries.h"
#include "tools/ibwdump/JsonWriter.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

struct Stats {
    float min = NAN;
    float max = NAN;
    double mean = NAN;
    long long nanCount = 0;
};

Stats ChannelStats(const CIBWChannel& c) {
    Stats s;
    double sum = 0;
    long long finite = 0;
    for (std::int32_t i = 0; i < c.points; ++i) {
        float v = c.data[i];
        if (std::isnan(v)) {
            ++s.nanCount;
        } else if (std::isfinite(v)) {
            s.min = finite == 0 ? v : std::min(s.min, v);
            s.max = finite == 0 ? v : std::max(s.max, v);
            sum += v;
            ++finite;
        }
    }
    if (finite > 0) {
        s.mean = sum / static_cast<double>(finite);
    }
    return s;
}

std::string FixedText(const char* text, std::size_t size) {
    return std::string(text, strnlen(text, size));
}

// The header's fields are packed: they are copied out element by element, never bound by reference.
void IntArray(JsonWriter& json, const std::array<std::int32_t, 4>& values) {
    json.BeginArray(true);
    for (std::int32_t v : values) {
        json.Int(v);
    }
    json.EndArray();
}

void DoubleArray(JsonWriter& json, const std::array<double, 4>& values) {
    json.BeginArray(true);
    for (double v : values) {
        json.Double(v);
    }
    json.EndArray();
}

void WriteChannel(JsonWriter& json, const CIBWChannel& c) {
    Stats s = ChannelStats(c);
    json.BeginObject();
    json.Key("name");
    json.String(c.name);
    json.Key("xUnit");
    json.String(c.xUnit);
    json.Key("yUnit");
    json.String(c.yUnit);
    json.Key("zUnit");
    json.String(c.zUnit);
    json.Key("columns");
    json.Int(c.columns);
    json.Key("rows");
    json.Int(c.rows);
    json.Key("xStart");
    json.Double(c.xStart);
    json.Key("xExtent");
    json.Double(c.xExtent);
    json.Key("yStart");
    json.Double(c.yStart);
    json.Key("yExtent");
    json.Double(c.yExtent);
    json.Key("min");
    json.Float(s.min);
    json.Key("max");
    json.Float(s.max);
    json.Key("mean");
    json.Double(s.mean);
    json.Key("nanCount");
    json.Int(s.nanCount);
    json.EndObject();
}

void WritePairs(JsonWriter& json, const std::vector<std::pair<std::string, std::string>>& pairs) {
    json.BeginArray();
    for (const auto& [key, value] : pairs) {
        json.BeginObject();
        json.Key("key");
        json.String(key);
        json.Key("value");
        json.String(value);
        json.EndObject();
    }
    json.EndArray();
}

// Every routine of the reader, so that a damaged section anywhere refuses the file.
int ReadAll(std::FILE* file, WaveHeader5* wave, BinHeader5* bin, int* needSwap, int* trailer) {
    int err = ReadIBWHeaders(file, wave, bin, needSwap);
    if (err != 0) {
        return err;
    }
    int type = 0;
    std::int32_t points = 0;
    IBWBuffer data;
    err = ReadIBWWave(file, &type, &points, &data, nullptr);
    if (err != 0) {
        return err;
    }
    std::vector<char> note;
    std::int32_t noteBytes = 0;
    err = ReadIBWNoteText(file, &note, &noteBytes);
    if (err != 0) {
        return err;
    }
    IBWDimLabels labels;
    err = ReadIBWDimLabels(file, &labels);
    if (err != 0) {
        return err;
    }
    *trailer = ReadIBWTrailerKind(file);
    return 0;
}

} // namespace

int DumpWave(const std::string& path, std::string* out) {
    std::FILE* file = nullptr;
    int err = IBWFileOpen(path, false, &file);
    if (err != kIBWFileOK) {
        return err;
    }
    WaveHeader5 wave{};
    BinHeader5 bin{};
    int needSwap = 0;
    int trailer = 0;
    err = ReadAll(file, &wave, &bin, &needSwap, &trailer);
    IBWFileClose(file);
    if (err != 0) {
        return err;
    }
    CIBWReader reader;
    if (trailer == kIBWTrailerImage && !reader.Open(path)) {
        return -1;
    }
    CIBWNote note(path, true);
    bool bigEndian = (std::endian::native == std::endian::big) != (needSwap != 0);

    JsonWriter json;
    json.BeginObject();
    json.Key("version");
    json.Int(bin.version);
    json.Key("byteOrder");
    json.String(bigEndian ? "big" : "little");
    json.Key("type");
    json.Int(wave.type);
    json.Key("waveName");
    json.String(FixedText(wave.bname, sizeof wave.bname));
    json.Key("points");
    json.Int(wave.npnts);
    json.Key("dimensions");
    IntArray(json, {wave.nDim[0], wave.nDim[1], wave.nDim[2], wave.nDim[3]});
    json.Key("spacing");
    DoubleArray(json, {wave.sfA[0], wave.sfA[1], wave.sfA[2], wave.sfA[3]});
    json.Key("offsets");
    DoubleArray(json, {wave.sfB[0], wave.sfB[1], wave.sfB[2], wave.sfB[3]});
    json.Key("dataUnits");
    json.String(FixedText(wave.dataUnits, sizeof wave.dataUnits));
    json.Key("dimensionUnits");
    json.BeginArray(true);
    for (const char(&unit)[4] : wave.dimUnits) {
        json.String(FixedText(unit, sizeof unit));
    }
    json.EndArray();
    json.Key("trailerKind");
    json.Int(trailer);
    json.Key("trailer");
    json.String(trailer == kIBWTrailerImage ? "KTZ9W" : trailer == kIBWTrailerForce ? "Force" : "none");
    json.Key("channels");
    json.BeginArray();
    for (const CIBWChannel& c : reader.channels) {
        WriteChannel(json, c);
    }
    json.EndArray();
    json.Key("note");
    WritePairs(json, note.pairs);
    json.Key("dimensionNames");
    json.BeginArray(true);
    for (const std::string& name : note.dimNames) {
        json.String(name);
    }
    json.EndArray();
    json.Key("dimensionLabels");
    json.BeginArray();
    for (const std::vector<std::string>& labels : note.dimLabels) {
        json.BeginArray();
        for (const std::string& label : labels) {
            json.String(label);
        }
        json.EndArray();
    }
    json.EndArray();
    json.Key("previewFooter");
    FooterEntries footer;
    if (ReadFooterEntries(path, &footer)) {
        json.BeginObject();
        json.Key("tag");
        json.String(footer.tag);
        json.Key("length");
        json.Int(footer.length);
        json.Key("entries");
        WritePairs(json, footer.entries);
        json.EndObject();
    } else {
        json.Null();
    }
    json.EndObject();
    *out = json.Text();
    return 0;
}
