// CViewControls: the control bar docked below the view. It adjusts the open surface through the
// view's controller only: display range and offset of the main and overlay channels, aspect,
// clipping, colours, lighting, display switches and numeric positions. Everything it changes lives
// in the controller's working copy, the view state or the meshes; nothing is saved.
//
// Sections: construction and layout (CViewControls.cpp), main and overlay scaling with the aspect
// (CViewControlsScaling.cpp), positions, colours, lights and switches (CViewControlsSettings.cpp).
#pragma once

#include "ui/ColorRef.h"
#include "ui/ControlTable.h"

#include <QWidget>

#include <functional>
#include <string>

class CColorButton;
class CLogarithmicSliderCtrl;
class CMeasureSliderCtrl;
class CSpinButtonCtrl;
class CUnitEdit;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class ViewController;

class CViewControls : public QWidget {
public:
    // Control ids of the bar's template.
    enum : int {
        IdMainRangeSlider = 1003,
        IdAspect1To1 = 1005,
        IdBackColor = 1006,
        IdMainOffsetSlider = 1008,
        IdMainRange = 1010,
        IdMainOffset = 1011,
        IdAspectSlider = 1012,
        IdAspect = 1013,
        IdLightColor = 1018,
        IdNaNColor = 1019,
        IdOverlayChannel = 1020,
        IdOverlayRangeSlider = 1021,
        IdOverlayOffsetSlider = 1022,
        IdOverlayRange = 1023,
        IdOverlayOffset = 1024,
        IdOverlayEnable = 1025,
        IdAuto = 1026,
        IdClipMode = 1028,
        IdAbsoluteZ = 1029,
        IdLighting = 1030,
        IdSpecular = 1031,
        IdLabels = 1033,
        IdBoundingBox = 1034,
        IdColorbar = 1035,
        IdAnaglyph = 1036,
        IdOverlayAbsoluteZ = 1037,
        IdNegativePalette = 1038,
        IdInvertPalette = 1039,
        IdOverlayAuto = 1040,
        IdPosition1 = 1054,
        IdPosition2 = 1055,
        IdPosition3 = 1056,
        IdPositionMode = 1057,
        IdPositionLabel1 = 1058,
        IdPositionLabel2 = 1059,
        IdPositionLabel3 = 1060,
        IdOrtho = 1065,
        IdSpecularFactor = 4201,
        IdSpecularSpin = 4202,
    };

    explicit CViewControls(QWidget* parent = nullptr);
    ~CViewControls() override;

    // What the bar works on, given by the view once its first image is shown: its controller and
    // how to repaint it. The view calls ResetForImage after every new image and every channel
    // change, with the open file's channel names for the overlay list.
    void Attach(ViewController* controller, std::function<void()> repaint);
    void ResetForImage(const QStringList& channelNames);
    // With no image open: the bar lets go of the controller and shows no values, no overlay
    // channels and unchecked boxes until the next Attach.
    void Detach();
    // Shows the mode's view-state fields; also the controller's change hook during drags.
    void RefreshPositions();
    void SetPositionMode(int mode);
    int PositionMode() const { return positionMode; }
    // The preferences command's new background and light colours.
    void SetViewColours(ColorRef back, ColorRef light);
    // Check and enable states from the working preferences.
    void UpdateControlStates();

    // The control with the given id, or null.
    QWidget* Control(int id) const;

private:
    template <class T> T* As(int id) const { return controls.As<T>(id); }
    ViewController* Controller() const { return viewController; }
    void Repaint() const;

    // Layout, one group each.
    QWidget* BuildPositions();
    QWidget* BuildScaling();
    QWidget* BuildZControls();
    QWidget* BuildOverlay();
    QWidget* BuildColors();
    QWidget* BuildLights();
    QWidget* BuildMisc();
    void AddScaleColumns(QGridLayout* grid, int rangeEdit, int offsetEdit, int rangeSlider, int offsetSlider);
    CUnitEdit* AddUnitEdit(int id, const char* widest);
    QCheckBox* AddCheck(int id, const char* text);
    void Connect();

    // Main and overlay scaling, aspect.
    void SetupMainScale(const std::string& unit, float range, float centre);
    void SetMainScale(float range, float centre);
    void RefreshScale();
    void OnMainSlider(bool rangeMoved);
    void OnMainEdit();
    void ApplyMainScale(float range, float centre);
    void OnMainAuto();
    void SetupAspect(float zScale);
    void ShowAspect(float zScale);
    void SetMainZScale(float zScale);
    void OnAspectSlider();
    void OnAspectEdit();
    void OnAspect1To1();
    void EnableOverlayScale(bool enable);
    void OnOverlayEnable();
    void OnOverlayChannel();
    void OnOverlayAbsoluteZ();
    void RefreshOverlayScale();
    void OnOverlaySlider(bool rangeMoved);
    void OnOverlayEdit();
    void ApplyOverlayScale(float range, float centre);
    void OnOverlayAuto();

    // Positions, colours, lights and switches.
    void OnPositionMode();
    void OnPositionEdit();
    void OnColourAccepted();
    void OnSpin(int position);
    void OnSpecularEdit();
    void SpecularStep(int percent);
    void ShowSpecular(int percent);
    void OnSwitch(int id);
    void OnClipMode();
    void OnUnitEditCommit(int id);

    ViewController* viewController = nullptr;
    std::function<void()> repaint;
    int positionMode = 0;
    float aspectBefore1To1 = 0; // the aspect in use when "1:1 Aspect" was checked
    CSpinButtonCtrl* spin = nullptr;
    ControlTable controls;
};
