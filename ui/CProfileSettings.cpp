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
    const ViewerPreferences& d = DefaultPreferences;
    SettingsSection s;
    out.ClipMode = s.GetInt("ClipMode", d.ClipMode);
    out.ControlBar = s.GetBool("ControlBar", d.ControlBar);
    out.SpecularFactor = s.GetFloat("SpecularFactor", d.SpecularFactor);
    out.ZoomFactor = s.GetFloat("ZoomFactor", d.ZoomFactor);
    out.ZAspectRatio = s.GetFloat("ZAspectRatio", d.ZAspectRatio);
    out.OrthoProjection = s.GetBool("OrthoProjection", d.OrthoProjection);
    out.ShowLabels = s.GetBool("ShowLabels", d.ShowLabels);
    out.ShowBoundingBox = s.GetBool("ShowBoundingBox", d.ShowBoundingBox);
    out.ShowColorbar = s.GetBool("ShowColorbar", d.ShowColorbar);
    out.ShowLights = s.GetBool("ShowLights", d.ShowLights);
    out.UseChannelPalette = s.GetBool("UseChannelPalette", d.UseChannelPalette);
    out.AutoScaleChannel = s.GetBool("AutoScaleChannel", d.AutoScaleChannel);
    out.AbsoluteZ = s.GetBool("AbsoluteZ", d.AbsoluteZ);
    out.AbsoluteZOverlay = s.GetBool("AbsoluteZOverlay", d.AbsoluteZOverlay);
    out.ZAspect1To1 = s.GetBool("ZAspect1To1", d.ZAspect1To1);
    out.Anaglyph = s.GetBool("Anaglyph", d.Anaglyph);
    out.NegativePalette = s.GetBool("NegativePalette", d.NegativePalette);
    out.InvertPalette = s.GetBool("InvertPalette", d.InvertPalette);
    out.ExportFactor = s.GetInt("ExportFactor", d.ExportFactor);
    out.DecimationEnable = s.GetBool("DecimationEnable", d.DecimationEnable);
    out.XDecimationThreshold = s.GetInt("XDecimationThreshold", d.XDecimationThreshold);
    out.YDecimationThreshold = s.GetInt("YDecimationThreshold", d.YDecimationThreshold);
    out.BackColor = s.GetColor("BackColor", d.BackColor);
    out.LightColor = s.GetColor("LightColor", d.LightColor);
    out.OnscreenTextColor = s.GetColor("OnscreenTextColor", d.OnscreenTextColor);
    out.NaNColor = s.GetColor("NaNColor", d.NaNColor);
    out.NaNColor.a = 255;
    out.PaletteIndex = s.GetInt("PaletteIndex", CColorTableHandler::FindByName("VioletOrangeYellow"));
    return true;
}

bool CProfileSettings::Save(const ViewerPreferences& in) {
    if (SectionName().empty()) {
        return false;
    }
    SettingsSection s;
    s.SetInt("ClipMode", in.ClipMode);
    s.SetBool("ControlBar", in.ControlBar);
    s.SetFloat("SpecularFactor", in.SpecularFactor);
    s.SetFloat("ZoomFactor", in.ZoomFactor);
    s.SetFloat("ZAspectRatio", in.ZAspectRatio);
    s.SetBool("OrthoProjection", in.OrthoProjection);
    s.SetBool("ShowLabels", in.ShowLabels);
    s.SetBool("ShowBoundingBox", in.ShowBoundingBox);
    s.SetBool("ShowColorbar", in.ShowColorbar);
    s.SetBool("ShowLights", in.ShowLights);
    s.SetBool("UseChannelPalette", in.UseChannelPalette);
    s.SetBool("AutoScaleChannel", in.AutoScaleChannel);
    s.SetBool("AbsoluteZ", in.AbsoluteZ);
    s.SetBool("AbsoluteZOverlay", in.AbsoluteZOverlay);
    s.SetBool("ZAspect1To1", in.ZAspect1To1);
    s.SetBool("Anaglyph", in.Anaglyph);
    s.SetBool("NegativePalette", in.NegativePalette);
    s.SetBool("InvertPalette", in.InvertPalette);
    s.SetInt("ExportFactor", in.ExportFactor);
    s.SetBool("DecimationEnable", in.DecimationEnable);
    s.SetInt("XDecimationThreshold", in.XDecimationThreshold);
    s.SetInt("YDecimationThreshold", in.YDecimationThreshold);
    s.SetColor("BackColor", in.BackColor);
    s.SetColor("LightColor", in.LightColor);
    s.SetColor("OnscreenTextColor", in.OnscreenTextColor);
    s.SetColor("NaNColor", in.NaNColor);
    s.SetInt("PaletteIndex", in.PaletteIndex);
    return true;
}
