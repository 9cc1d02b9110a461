#include "tools/ibwgen/ParseWaveSpec.h"

#include "tools/ibwgen/ImagePreview.h"

#include <cstdlib>
#include <sstream>

namespace ibwgen {
namespace {

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == ',') {
        parts.emplace_back();
    }
    return parts;
}

bool ParseLong(const std::string& text, long long* value) {
    char* end = nullptr;
    *value = std::strtoll(text.c_str(), &end, 0);
    return !text.empty() && *end == '\0';
}

template <typename T, std::size_t N, typename Convert>
bool ParseList(const std::string& text, std::array<T, N>* out, Convert convert) {
    std::vector<std::string> parts = Split(text);
    if (parts.size() > N) {
        return false;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!convert(parts[i], &(*out)[i])) {
            return false;
        }
    }
    return true;
}

bool ToInt(const std::string& text, std::int32_t* v) {
    long long n = 0;
    bool ok = ParseLong(text, &n);
    *v = static_cast<std::int32_t>(n);
    return ok;
}

bool ToDouble(const std::string& text, double* v) {
    char* end = nullptr;
    *v = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

bool ToText(const std::string& text, std::string* v) {
    *v = text;
    return true;
}

void AddPreview(WaveSpec* waveSpec, int width, int height, int version) {
    ImagePreviewFooter footer;
    footer.version = version;
    footer.width = width;
    footer.height = height;
    std::size_t layerPoints = static_cast<std::size_t>(waveSpec->dims[0]) * waveSpec->dims[1];
    for (std::size_t k = 0; k < waveSpec->dimLabels[2].size(); ++k) {
        footer.channelNames.push_back(waveSpec->dimLabels[2][k]);
        if (waveSpec->values.size() >= (k + 1) * layerPoints) {
            footer.pixels.push_back(MakeImagePreview(waveSpec->values.data() + k * layerPoints,
                                                     waveSpec->dims[0], waveSpec->dims[1], width, height));
        }
    }
    waveSpec->imageFooter = footer;
}

} // namespace

bool ParseWaveSpec(const std::vector<std::string>& lines, WaveSpec* waveSpec, std::string* error) {
    std::string fill = "zero";
    int previewWidth = 0;
    int previewHeight = 0;
    int footerVersion = 2;
    for (const std::string& line : lines) {
        std::size_t eq = line.find('=');
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::string key = eq == std::string::npos ? line : line.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
        long long n = 0;
        bool ok = true;
        if (key == "byteorder") {
            ok = value == "little" || value == "big";
            waveSpec->bigEndian = value == "big";
        } else if (key == "version" || key == "type" || key == "checksumdelta") {
            ok = ParseLong(value, &n);
            std::int16_t& field = key == "version" ? waveSpec->version
                                  : key == "type"  ? waveSpec->type
                                                   : waveSpec->checksumDelta;
            field = static_cast<std::int16_t>(n);
        } else if (key == "points" || key == "wavesize" || key == "notesize") {
            ok = ParseLong(value, &n);
            std::optional<std::int32_t>& field = key == "points"     ? waveSpec->pointCount
                                                 : key == "wavesize" ? waveSpec->waveSize
                                                                     : waveSpec->noteSize;
            field = static_cast<std::int32_t>(n);
        } else if (key == "name") {
            waveSpec->waveName = value;
        } else if (key == "dims") {
            ok = ParseList(value, &waveSpec->dims, ToInt);
        } else if (key == "spacing") {
            ok = ParseList(value, &waveSpec->spacing, ToDouble);
        } else if (key == "start") {
            ok = ParseList(value, &waveSpec->start, ToDouble);
        } else if (key == "dataunits") {
            waveSpec->dataUnits = value;
        } else if (key == "dimunits") {
            ok = ParseList(value, &waveSpec->dimUnits, ToText);
        } else if (key.size() == 8 && key.starts_with("dimname") && key[7] >= '0' && key[7] <= '3') {
            waveSpec->dimNames[key[7] - '0'] = value;
        } else if (key.size() == 7 && key.starts_with("labels") && key[6] >= '0' && key[6] <= '3') {
            waveSpec->dimLabels[key[6] - '0'] = Split(value);
        } else if (key == "values") {
            waveSpec->exactValues.clear();
            for (const std::string& part : Split(value)) {
                double v = 0;
                ok = ok && ToDouble(part, &v);
                waveSpec->exactValues.push_back(v);
            }
        } else if (key == "note") {
            waveSpec->note += value + "\r";
        } else if (key == "trailer") {
            ok = value == "KTZ9W" || value == "Force" || value == "none";
            waveSpec->trailer = value == "KTZ9W"   ? Trailer::KTZ9W
                                : value == "Force" ? Trailer::Force
                                                   : Trailer::None;
        } else if (key == "fill") {
            ok = value == "zero" || value == "ramp";
            fill = value;
        } else if (key == "preview") {
            std::size_t x = value.find('x');
            long long w = 0;
            long long h = 0;
            ok = x != std::string::npos && ParseLong(value.substr(0, x), &w) &&
                 ParseLong(value.substr(x + 1), &h) && w > 0 && h > 0 && w * h <= (1 << 24);
            previewWidth = static_cast<int>(w);
            previewHeight = static_cast<int>(h);
        } else if (key == "footerversion") {
            ok = ParseLong(value, &n);
            footerVersion = static_cast<int>(n);
        } else {
            ok = false;
        }
        if (!ok) {
            *error = "cannot use \"" + line + "\"";
            return false;
        }
    }

    long long points = 1;
    for (std::int32_t d : waveSpec->dims) {
        if (d < 0) {
            *error = "negative dimension";
            return false;
        }
        points *= d != 0 ? d : 1;
        if (points > (1LL << 31) - 1) {
            *error = "too many points";
            return false;
        }
    }
    if (waveSpec->dims[0] == 0) {
        points = 0;
    }
    waveSpec->values.assign(static_cast<std::size_t>(points), 0.0f);
    if (fill == "ramp") {
        for (std::size_t i = 0; i < waveSpec->values.size(); ++i) {
            waveSpec->values[i] = static_cast<float>(i);
        }
    }
    if (previewWidth > 0) {
        AddPreview(waveSpec, previewWidth, previewHeight, footerVersion);
    }
    return true;
}

} // namespace ibwgen
