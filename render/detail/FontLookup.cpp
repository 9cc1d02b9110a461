// Font-file lookup through fontconfig.
#include "FontLookup.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <strings.h>

namespace {

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool SameName(const char* a, const std::string& b) {
    return strcasecmp(a, b.c_str()) == 0;
}

// True when the best regular, upright match for `family` really is that family and a scalable file.
bool MatchFamily(FcConfig* config, const std::string& family, FontFile* out) {
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) {
        return false;
    }
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config, pattern.get(), &result));
    if (!match || result != FcResultMatch) {
        return false;
    }
    FcBool scalable = FcFalse;
    FcChar8* file = nullptr;
    if (FcPatternGetBool(match.get(), FC_OUTLINE, 0, &scalable) != FcResultMatch || !scalable ||
        FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
        return false;
    }
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (SameName(reinterpret_cast<const char*>(name), family)) {
            out->path = reinterpret_cast<const char*>(file);
            out->family = family;
            return true;
        }
    }
    return false;
}

bool LookupWith(FcConfig* config, const std::string& faceName, FontFile* out) {
    if (out == nullptr) {
        return false;
    }
    for (const std::string& family : FontFamilyCandidates(faceName)) {
        if (MatchFamily(config, family, out)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<std::string> FontFamilyCandidates(const std::string& faceName) {
    if (SameName("Arial", faceName)) {
        return {"Arial", "Liberation Sans", "DejaVu Sans"};
    }
    if (SameName("Courier New", faceName)) {
        return {"Courier New", "Liberation Mono", "DejaVu Sans Mono"};
    }
    return {faceName};
}

bool FontLookup(const std::string& faceName, FontFile* out) {
    if (!FcInit()) {
        return false;
    }
    return LookupWith(nullptr, faceName, out);
}

bool FontLookupInDirs(const std::string& faceName, const std::vector<std::string>& dirs, FontFile* out) {
    ConfigPtr config(FcConfigCreate());
    if (!config) {
        return false;
    }
    for (const std::string& dir : dirs) {
        FcConfigAppFontAddDir(config.get(), reinterpret_cast<const FcChar8*>(dir.c_str()));
    }
    return LookupWith(config.get(), faceName, out);
}
