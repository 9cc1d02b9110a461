#include "ui/CProfileSettings.h"

#include "render/CColorTableHandler.h"
#include "ui/PreferenceText.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <limits>

namespace {

std::string& SectionName() {
    static std::string name = "Settings";
    return name;
}

// The store with the section group open; values lie directly in it.
class SettingsSection {
public:
    SettingsSection() : settings(QStringLiteral("Quorvane"), QStringLiteral("Vistrel Light")) {
        settings.beginGroup(QString::fromStdString(SectionName()));
    }

    // Like the profile functions: a missing value or one that is not a 32-bit number gives the
    // default. INI files hold every value as text, so a decimal text counts as a number there.
    int GetInt(const char* name, int fallback) {
        const QVariant v = settings.value(QLatin1String(name));
        if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::UInt) {
            return static_cast<int>(static_cast<std::uint32_t>(v.toLongLong()));
        }
        if (v.typeId() != QMetaType::QString) {
            return fallback;
        }
        bool ok = false;
        const qlonglong n = v.toString().toLongLong(&ok);
        if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<std::uint32_t>::max()) {
            return fallback;
        }
        return static_cast<int>(static_cast<std::uint32_t>(n));
    }

    bool GetBool(const char* name, bool fallback) { return GetInt(name, fallback ? 1 : 0) != 0; }
    int Get(const char* name, int fallback) { return GetInt(name, fallback); }
    bool Get(const char* name, bool fallback) { return GetBool(name, fallback); }
    float Get(const char* name, float fallback) { return GetFloat(name, fallback); }
    ColorRGBA Get(const char* name, ColorRGBA fallback) { return GetColor(name, fallback); }

    // A text value; an INI text with commas comes back as a list and is joined again.
    std::string GetText(const char* name, const std::string& fallback) {
        const QVariant v = settings.value(QLatin1String(name));
        if (v.typeId() == QMetaType::QString) {
            return v.toString().toStdString();
        }
        if (v.typeId() == QMetaType::QStringList) {
            return v.toStringList().join(QLatin1Char(',')).toStdString();
        }
        return fallback;
    }

    float GetFloat(const char* name, float fallback) {
        return ParsePreferenceFloat(GetText(name, FormatPreferenceFloat(fallback)));
    }

    ColorRGBA GetColor(const char* name, ColorRGBA fallback) {
        return ParsePreferenceColor(GetText(name, FormatPreferenceColor(fallback)));
    }

    void SetInt(const char* name, int value) { settings.setValue(QLatin1String(name), value); }
    void SetBool(const char* name, bool value) { SetInt(name, value ? 1 : 0); }
    void SetText(const char* name, const std::string& value) {
        settings.setValue(QLatin1String(name), QString::fromStdString(value));
    }
    void SetFloat(const char* name, float value) { SetText(name, FormatPreferenceFloat(value)); }
    void SetColor(const char* name, ColorRGBA value) { SetText(name, FormatPreferenceColor(value)); }
    void Set(const char* name, int value) { SetInt(name, value); }
    void Set(const char* name, bool value) { SetBool(name, value); }
    void Set(const char* name, float value) { SetFloat(name, value); }
    void Set(const char* name, ColorRGBA value) { SetColor(name, value); }

private:
    QSettings settings;
};

} // namespace

void CProfileSettings::SetSectionName(const std::string& name) {
    SectionName() = name;
}

std::string CProfileSettings::GetSectionName() {
    return SectionName();
}

bool CProfileSettings::Load(ViewerPreferences& out) {
    if (SectionName().empty()) {
        return false;
    }
    // A missing value takes the compiled-in default; the store's default table is a named one.
    ViewerPreferences fallback = DefaultPreferences;
    fallback.PaletteIndex = CColorTableHandler::FindByName("VioletOrangeYellow");
    SettingsSection s;
    ForEachPreference(
        [&](const char* name, auto member, PreferenceStore store, PreferenceMerge, PreferenceRange) {
            if (store == PreferenceStore::Stored) {
                out.*member = s.Get(name, fallback.*member);
            }
        });
    out.NaNColor.a = 255;
    return true;
}

bool CProfileSettings::Save(const ViewerPreferences& in) {
    if (SectionName().empty()) {
        return false;
    }
    SettingsSection s;
    ForEachPreference(
        [&](const char* name, auto member, PreferenceStore store, PreferenceMerge, PreferenceRange) {
            if (store == PreferenceStore::Stored) {
                s.Set(name, in.*member);
            }
        });
    return true;
}
