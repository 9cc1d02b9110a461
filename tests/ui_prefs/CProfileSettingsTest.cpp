#include "tests/support/PreferenceFields.h"
#include "ui/CProfileSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace {

// Every test gets its own empty store in a temporary folder, never the user's real settings.
class ProfileSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        CProfileSettings::SetSectionName("Settings");
    }

    QString StoreFile() const { return dir.path() + "/Quorvane/Vistrel Light.conf"; }

    void Store(const char* name, const QVariant& value) {
        QSettings s("Quorvane", "Vistrel Light");
        s.setValue(QString("Settings/") + name, value);
    }

    QString Stored(const char* name) {
        QSettings s("Quorvane", "Vistrel Light");
        return s.value(QString("Settings/") + name).toString();
    }

    QTemporaryDir dir;
};

void ExpectSame(const ViewerPreferences& a, const ViewerPreferences& b) {
    EXPECT_EQ(preftest::Fields(a), preftest::Fields(b));
}

// Every field changed; the specular factor has more decimals than the store keeps.
ViewerPreferences Changed() {
    ViewerPreferences p = preftest::EveryFieldOtherThan(DefaultPreferences);
    p.SpecularFactor = 0.123456f;
    return p;
}

TEST_F(ProfileSettings, EmptyStoreGivesDefaultsAndWritesNothing) {
    ViewerPreferences p = Changed();
    ASSERT_TRUE(CProfileSettings::Load(p));
    ViewerPreferences expected = DefaultPreferences;
    expected.PaletteIndex = 50;
    expected.SpecularEnabled = true; // not persisted, so the loaded record keeps it
    expected.LightColor.a = 0;
    expected.OnscreenTextColor.a = 0;
    expected.BackColor.a = 0;
    expected.NaNColor.a = 255;
    expected.SpecularFactor = 0.5f;
    expected.ZoomFactor = 0.95f;
    expected.ZAspectRatio = 0.3333f;
    ExpectSame(p, expected);
    EXPECT_EQ(DefaultPreferences.PaletteIndex, 0);
    EXPECT_FALSE(QFileInfo::exists(StoreFile()));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ProfileSettings, DefaultsAreStoredInTheirTextForms) {
    ASSERT_TRUE(CProfileSettings::Save(DefaultPreferences));
    EXPECT_TRUE(QFileInfo::exists(StoreFile()));
    EXPECT_EQ(Stored("SpecularFactor"), "0.50000");
    EXPECT_EQ(Stored("ZoomFactor"), "0.95000");
    EXPECT_EQ(Stored("ZAspectRatio"), "0.33330");
    EXPECT_EQ(Stored("BackColor"), "0xFFFFFF");
    EXPECT_EQ(Stored("LightColor"), "0xFFFFFF");
    EXPECT_EQ(Stored("OnscreenTextColor"), "0x00B000");
    EXPECT_EQ(Stored("NaNColor"), "0x0000FF");
    EXPECT_EQ(Stored("ShowLabels"), "1");
    EXPECT_EQ(Stored("XDecimationThreshold"), "1024");
    EXPECT_EQ(Stored("PaletteIndex"), "0");
    EXPECT_EQ(Stored("ReduceWhileMoving"), "1");
    QSettings s("Quorvane", "Vistrel Light");
    s.beginGroup("Settings");
    EXPECT_EQ(s.childKeys().size(), 28);
    EXPECT_FALSE(s.contains("SpecularEnabled"));
}

TEST_F(ProfileSettings, RoundTripRoundsFloatsAndDropsAlpha) {
    const ViewerPreferences saved = Changed();
    ASSERT_TRUE(CProfileSettings::Save(saved));
    ViewerPreferences loaded;
    ASSERT_TRUE(CProfileSettings::Load(loaded));
    ViewerPreferences expected = saved;
    expected.SpecularEnabled = false;
    expected.SpecularFactor = 0.12346f;
    expected.BackColor.a = 0;
    expected.LightColor.a = 0;
    expected.OnscreenTextColor.a = 0;
    expected.NaNColor.a = 255;
    ExpectSame(loaded, expected);
}

TEST_F(ProfileSettings, DamagedValues) {
    Store("BackColor", "FF8000");
    Store("LightColor", "0x12345678");
    Store("OnscreenTextColor", "not a colour");
    Store("NaNColor", "zz");
    Store("ZAspectRatio", "abc");
    Store("ZoomFactor", "2.5 and text");
    Store("SpecularFactor", "0,75"); // a comma is no decimal separator here
    Store("ClipMode", "banana");     // not a number: the default
    Store("ExportFactor", 99);       // out of range: loaded unchanged
    Store("PaletteIndex", -7);
    Store("XDecimationThreshold", "-5");
    Store("ShowBoundingBox", 5);
    ViewerPreferences p;
    ASSERT_TRUE(CProfileSettings::Load(p));
    EXPECT_TRUE((p.BackColor == ColorRGBA{255, 128, 0, 0}));
    EXPECT_TRUE((p.LightColor == ColorRGBA{0x34, 0x56, 0x78, 0}));
    EXPECT_TRUE((p.OnscreenTextColor == ColorRGBA{0, 0, 0, 0}));
    EXPECT_TRUE((p.NaNColor == ColorRGBA{0, 0, 0, 255}));
    EXPECT_FLOAT_EQ(p.ZAspectRatio, 0.0f);
    EXPECT_FLOAT_EQ(p.ZoomFactor, 2.5f);
    EXPECT_FLOAT_EQ(p.SpecularFactor, 0.0f);
    EXPECT_EQ(p.ClipMode, 0);
    EXPECT_EQ(p.ExportFactor, 99);
    EXPECT_EQ(p.PaletteIndex, -7);
    EXPECT_EQ(p.XDecimationThreshold, -5);
    EXPECT_TRUE(p.ShowBoundingBox);
}

TEST_F(ProfileSettings, EmptySectionNameDoesNothing) {
    CProfileSettings::SetSectionName("");
    ViewerPreferences p = Changed();
    EXPECT_FALSE(CProfileSettings::Load(p));
    ExpectSame(p, Changed());
    EXPECT_FALSE(CProfileSettings::Save(p));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    CProfileSettings::SetSectionName("Settings");
    EXPECT_EQ(CProfileSettings::GetSectionName(), "Settings");
}

// Qt sets the process locale from the environment; a decimal-comma locale must change neither the
// stored texts nor how they are read back.
TEST_F(ProfileSettings, CommaLocaleKeepsThePoint) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (scripts/install-deps.sh generates it)";
    }
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    const std::string probeText = probe;
    ASSERT_TRUE(CProfileSettings::Save(Changed()));
    ViewerPreferences loaded;
    ASSERT_TRUE(CProfileSettings::Load(loaded));
    const QString zoom = Stored("ZoomFactor");
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(probeText, "0,5");
    EXPECT_EQ(zoom, "0.25000");
    EXPECT_FLOAT_EQ(loaded.ZoomFactor, Changed().ZoomFactor);
    EXPECT_FLOAT_EQ(loaded.ZAspectRatio, Changed().ZAspectRatio);
    EXPECT_FLOAT_EQ(loaded.SpecularFactor, 0.12346f);
}

} // namespace
