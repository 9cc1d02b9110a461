#include "tools/ibwdump/DumpWave.h"

#include "ibw/CIBWReader.h"
#include "ibw/IBWRefusalText.h"
#include "ibw/IBWWaveInfo.h"
#include "tools/ibwdump/ChannelStats.h"
#include "tools/ibwdump/FooterEntries.h"
#include "tools/ibwdump/JsonWriter.h"

#include <array>
#include <bit>

namespace {

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
    const ChannelStats s = MeasureChannel(c);
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

// Version 5 and later: the note and the labels must be readable, so that a damaged section
// anywhere refuses the file.
int CheckSections(IBWStream& stream) {
    std::vector<char> note;
    std::int32_t noteBytes = 0;
    int err = ReadIBWNoteText(stream, &note, &noteBytes);
    if (err != 0) {
        return err;
    }
    IBWDimLabels labels;
    return ReadIBWDimLabels(stream, &labels);
}

void OptionalText(JsonWriter& json, const std::string& text) {
    if (text.empty()) {
        json.Null();
    } else {
        json.String(text);
    }
}

} // namespace

int DumpWave(const std::string& path, std::string* out) {
    std::FILE* file = nullptr;
    int err = IBWFileOpen(path, false, &file);
    if (err != kIBWFileOK) {
        return err;
    }
    IBWStream stream(file);
    err = DumpWave(stream, out);
    IBWFileClose(file);
    return err;
}

int DumpWave(IBWStream& stream, std::string* out) {
    IBWWaveInfo wave;
    int err = ReadIBWWaveInfo(stream, &wave);
    if (err == 0 && wave.version >= 5) {
        err = CheckSections(stream);
    }
    if (err != 0) {
        return err;
    }
    const int trailer = ReadIBWTrailerKind(stream);
    // A wave the viewer cannot show is described with the reason and no channels; any other
    // refusal is damage, and refuses the file.
    CIBWReader reader;
    if (!reader.Open(stream) && reader.RefusalReason() != UnshowableWaveText(wave, trailer)) {
        return -1;
    }
    const CIBWNote note = wave.version >= 5 ? CIBWNote(stream, true) : CIBWNote();
    const bool bigEndian = (std::endian::native == std::endian::big) != (wave.needSwap != 0);

    JsonWriter json;
    json.BeginObject();
    json.Key("version");
    json.Int(wave.version);
    json.Key("byteOrder");
    json.String(bigEndian ? "big" : "little");
    json.Key("type");
    json.Int(wave.type);
    json.Key("waveName");
    json.String(wave.name);
    json.Key("points");
    json.Int(wave.points);
    json.Key("dimensions");
    IntArray(json, wave.dims);
    json.Key("spacing");
    DoubleArray(json, wave.spacing);
    json.Key("offsets");
    DoubleArray(json, wave.start);
    json.Key("dataUnits");
    json.String(wave.dataUnits);
    json.Key("dimensionUnits");
    json.BeginArray(true);
    for (const std::string& unit : wave.dimUnits) {
        json.String(unit);
    }
    json.EndArray();
    json.Key("trailerKind");
    json.Int(trailer);
    json.Key("trailer");
    json.String(trailer == kIBWTrailerImage ? "KTZ9W" : trailer == kIBWTrailerForce ? "Force" : "none");
    json.Key("refusal");
    OptionalText(json, reader.RefusalReason());
    json.Key("precision");
    OptionalText(json, reader.PrecisionNote());
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
    if (ReadFooterEntries(stream, &footer)) {
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
