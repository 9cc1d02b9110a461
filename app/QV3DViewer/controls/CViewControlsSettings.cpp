// CViewControls, settings: the numeric positions, the colours, the lights, the display switches
// and clipping, and the dispatch of committed edits.
#include "app/QV3DViewer/controls/CViewControls.h"

#include "app/QV3DViewer/view/ViewController.h"
#include "app/QV3DViewer/controls/CSpinButtonCtrl.h"
#include "ui/CColorButton.h"
#include "ui/CUnitEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace {

struct PositionFields {
    const char* labels[3];
    float ViewState::*fields[3];
    bool degrees; // unit of the first two fields
};

const PositionFields kModes[] = {
    {{"Rotate", "Pitch", "Zoom"}, {&ViewState::Rotate, &ViewState::Pitch, &ViewState::Zoom}, true},
    {{"Rotate", "Pitch", ""}, {&ViewState::LightRotate, &ViewState::LightPitch, nullptr}, true},
    {{"Offset X", "Offset Y", ""}, {&ViewState::PanX, &ViewState::PanY, nullptr}, false},
    {{"Eye Sep.", "Focal Fac.", ""}, {&ViewState::EyeSeparation, &ViewState::EyeFocus, nullptr}, false},
};

constexpr int kModeCount = 4;
constexpr const char* kDegree = "\xB0"; // Windows-1252

ColorRGBA Opaque(ColorRef c) {
    return {static_cast<std::uint8_t>(RedOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
            static_cast<std::uint8_t>(BlueOf(c)), 255};
}

// The switches that flip one field of the working preferences.
struct Switch {
    int id;
    bool ViewerPreferences::*field;
};

const Switch kSwitches[] = {
    {CViewControls::IdLighting, &ViewerPreferences::ShowLights},
    {CViewControls::IdSpecular, &ViewerPreferences::SpecularEnabled},
    {CViewControls::IdLabels, &ViewerPreferences::ShowLabels},
    {CViewControls::IdBoundingBox, &ViewerPreferences::ShowBoundingBox},
    {CViewControls::IdColorbar, &ViewerPreferences::ShowColorbar},
    {CViewControls::IdAnaglyph, &ViewerPreferences::Anaglyph},
    {CViewControls::IdNegativePalette, &ViewerPreferences::NegativePalette},
    {CViewControls::IdInvertPalette, &ViewerPreferences::InvertPalette},
    {CViewControls::IdOrtho, &ViewerPreferences::OrthoProjection},
};

} // namespace

void CViewControls::SetPositionMode(int mode) {
    positionMode = std::clamp(mode, 0, kModeCount - 1);
    const PositionFields& shown = kModes[positionMode];
    As<QComboBox>(IdPositionMode)->setCurrentIndex(positionMode);
    const int labels[3] = {IdPositionLabel1, IdPositionLabel2, IdPositionLabel3};
    const int edits[3] = {IdPosition1, IdPosition2, IdPosition3};
    for (int i = 0; i < 3; ++i) {
        As<QLabel>(labels[i])->setText(shown.labels[i]);
        auto* edit = As<CUnitEdit>(edits[i]);
        edit->SetLimits(0.0f, 0.0f);
        edit->usePrefix = false;
        edit->SetUnit(i < 2 && shown.degrees ? kDegree : "");
    }
    const bool third = shown.fields[2] != nullptr;
    As<QWidget>(IdPosition3)->setVisible(third);
    As<QWidget>(IdPositionLabel3)->setVisible(third);
}

void CViewControls::RefreshPositions() {
    const ViewController* controller = Controller();
    ViewState state;
    if (controller == nullptr || !controller->ReadViewState(state)) {
        return;
    }
    const PositionFields& shown = kModes[positionMode];
    const int edits[3] = {IdPosition1, IdPosition2, IdPosition3};
    for (int i = 0; i < 3; ++i) {
        if (shown.fields[i] != nullptr) {
            As<CUnitEdit>(edits[i])->SetValue(state.*shown.fields[i]);
        }
    }
}

void CViewControls::OnPositionMode() {
    SetPositionMode(As<QComboBox>(IdPositionMode)->currentIndex());
    RefreshPositions();
}

void CViewControls::OnPositionEdit() {
    ViewController* controller = Controller();
    ViewState state;
    if (controller == nullptr || !controller->ReadViewState(state)) {
        return;
    }
    const PositionFields& shown = kModes[positionMode];
    const int edits[3] = {IdPosition1, IdPosition2, IdPosition3};
    for (int i = 0; i < 3; ++i) {
        if (shown.fields[i] != nullptr) {
            state.*shown.fields[i] = As<CUnitEdit>(edits[i])->GetValue();
        }
    }
    controller->WriteViewState(state);
    // The view keeps its fields within limits; the edits show what it kept.
    RefreshPositions();
    Repaint();
}

void CViewControls::OnColourAccepted() {
    ViewController* controller = Controller();
    ViewState state;
    if (controller == nullptr || !controller->ReadViewState(state)) {
        return;
    }
    const ColorRGBA back = Opaque(As<CColorButton>(IdBackColor)->GetColour());
    const ColorRGBA light = Opaque(As<CColorButton>(IdLightColor)->GetColour());
    state.BackColor = back;
    state.LightColor = light;
    controller->WriteViewState(state);
    ViewerPreferences prefs = controller->GetPreferences();
    prefs.BackColor = back;
    prefs.LightColor = light;
    prefs.NaNColor = Opaque(As<CColorButton>(IdNaNColor)->GetColour());
    controller->ApplyPreferences(prefs);
    Repaint();
}

void CViewControls::ShowSpecular(int percent) {
    As<CUnitEdit>(IdSpecularFactor)->SetValue(static_cast<float>(percent));
    spin->SetPos(percent);
}

void CViewControls::OnSpin(int position) {
    if (Controller() == nullptr) {
        return;
    }
    As<CUnitEdit>(IdSpecularFactor)->SetValue(static_cast<float>(position));
    SpecularStep(position);
}

void CViewControls::OnSpecularEdit() {
    if (Controller() == nullptr) {
        return;
    }
    const float typed = As<CUnitEdit>(IdSpecularFactor)->GetValue();
    const int percent = static_cast<int>(std::clamp(std::isnan(typed) ? 0.0f : typed, 0.0f, 100.0f));
    ShowSpecular(percent);
    SpecularStep(percent);
}

void CViewControls::SpecularStep(int percent) {
    ViewController* controller = Controller();
    const float factor = static_cast<float>(percent) / 100.0f;
    ViewerPreferences prefs = controller->GetPreferences();
    if (factor == prefs.SpecularFactor) {
        return;
    }
    prefs.SpecularFactor = factor;
    controller->ApplyPreferences(prefs);
    Repaint();
}

void CViewControls::OnSwitch(int id) {
    ViewController* controller = Controller();
    if (controller != nullptr) {
        switch (id) {
        case IdAspect1To1:
            OnAspect1To1();
            break;
        case IdOverlayEnable:
            OnOverlayEnable();
            break;
        case IdOverlayAbsoluteZ:
            OnOverlayAbsoluteZ();
            break;
        case IdAbsoluteZ: {
            ViewerPreferences prefs = controller->GetPreferences();
            prefs.AbsoluteZ = As<QCheckBox>(IdAbsoluteZ)->isChecked();
            controller->ApplyPreferences(prefs);
            Repaint();
            break;
        }
        default:
            for (const Switch& entry : kSwitches) {
                if (entry.id == id) {
                    ViewerPreferences prefs = controller->GetPreferences();
                    prefs.*entry.field = !(prefs.*entry.field);
                    controller->ApplyPreferences(prefs);
                    Repaint();
                }
            }
        }
    } else if (id == IdAspect1To1 || id == IdOverlayEnable) {
        As<QCheckBox>(id)->setChecked(false);
    }
    UpdateControlStates();
}

void CViewControls::OnClipMode() {
    if (ViewController* controller = Controller()) {
        ViewerPreferences prefs = controller->GetPreferences();
        prefs.ClipMode = As<QComboBox>(IdClipMode)->currentIndex();
        controller->ApplyPreferences(prefs);
        Repaint();
    }
    UpdateControlStates();
}

void CViewControls::OnUnitEditCommit(int id) {
    switch (id) {
    case IdMainRange:
    case IdMainOffset:
        OnMainEdit();
        break;
    case IdAspect:
        OnAspectEdit();
        break;
    case IdOverlayRange:
    case IdOverlayOffset:
        OnOverlayEdit();
        break;
    case IdSpecularFactor:
        OnSpecularEdit();
        break;
    case IdPosition1:
    case IdPosition2:
    case IdPosition3:
        OnPositionEdit();
        break;
    default:
        break;
    }
    Repaint();
}
