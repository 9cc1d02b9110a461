// CPreferencesPage: the "Image" page of the preferences sheet. Its record is both input and output:
// Initialise shows the record in the controls, Apply reads the controls back into it.
#pragma once

#include "ui/ControlTable.h"
#include "ui/ViewerPreferences.h"

#include <QWidget>

class CColorButton;
class CUnitEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CPreferencesPage : public QWidget {
public:
    // Dialog ids of the controls.
    enum : int {
        IdBackColor = 1006,
        IdAspectRatio = 1013,
        IdLightColor = 1018,
        IdNaNColor = 1019,
        IdPalette = 1020,
        IdXThreshold = 1023,
        IdYThreshold = 1024,
        IdDecimate = 1025,
        IdClipMode = 1028,
        IdAbsoluteZ = 1029,
        IdLights = 1030,
        IdShowLabels = 1033,
        IdShowBoundingBox = 1034,
        IdShowColorbar = 1035,
        IdAbsoluteZOverlay = 1037,
        IdTextColor = 1041,
        IdZoom = 1046,
        IdChannelPalette = 1047,
        IdAutoScale = 1048,
        IdControlBar = 1049,
        IdExportFactor = 1064,
        IdSpecular = 4201,
        IdReduceWhileMoving = 4202,
    };

    explicit CPreferencesPage(QWidget* parent = nullptr);

    // Shows `prefs` in the controls.
    void Initialise();
    // Copies the controls into `prefs`. A threshold that is not an integer shows "Enter an
    // integer.", puts the focus on its edit and returns false with `prefs` untouched.
    bool Apply();

    // The control with the given dialog id, or null.
    QWidget* Control(int id) const;
    bool IsModified() const { return modified; }

    ViewerPreferences prefs;

private:
    template <class T> T* As(int id) const { return controls.As<T>(id); }
    QCheckBox* AddCheck(int id, const char* text);
    QComboBox* AddCombo(int id, const QStringList& items);
    CUnitEdit* AddUnitEdit(int id);
    CColorButton* AddColorButton(int id);
    QLineEdit* AddThresholdEdit(int id);
    void MarkModified() { modified = true; }
    void UpdateThresholdsEnabled();

    ControlTable controls;
    bool modified = false;
};
