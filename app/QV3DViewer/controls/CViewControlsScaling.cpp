// CViewControls, scaling: display range and offset of the main and overlay surfaces, and the
// aspect. The bar shows an offset as the centre of the display range, ZOffset + ZRange / 2.
#include "app/QV3DViewer/controls/CViewControls.h"

#include "app/QV3DViewer/view/AutoRange.h"
#include "app/QV3DViewer/view/ViewController.h"
#include "ibw/CIBWChannel.h"
#include "ui/CLogarithmicSliderCtrl.h"
#include "ui/CMeasureSliderCtrl.h"
#include "ui/CUnitEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QMessageBox>

#include <cmath>

namespace {

void ShowScale(CMeasureSliderCtrl* rangeSlider, CUnitEdit* rangeEdit, CMeasureSliderCtrl* offsetSlider,
               CUnitEdit* offsetEdit, float range, float centre) {
    rangeSlider->SetRange(range / 100.0f, 2.0f * range);
    rangeSlider->SetValue(range);
    rangeEdit->SetValue(range);
    offsetSlider->SetRange(centre - 1.5f * range, centre + 1.5f * range);
    offsetSlider->SetValue(centre);
    offsetEdit->SetValue(centre);
}

// A typed range of zero would flatten the surface to nothing and collapse both sliders onto one
// value, a negative one would turn it upside down; such a range is not taken and the edit shows the
// range in use again.
bool UsableRange(float range) {
    return std::isfinite(range) && range > 0.0f;
}

void SetupScaleSliders(CMeasureSliderCtrl* range, CMeasureSliderCtrl* offset) {
    range->SetSteps(-1000);
    offset->SetSteps(1000);
    for (CMeasureSliderCtrl* slider : {range, offset}) {
        slider->setPageStep(100);
        slider->setSingleStep(10);
    }
}

} // namespace

void CViewControls::SetupMainScale(const std::string& unit, float range, float centre) {
    SetupScaleSliders(As<CMeasureSliderCtrl>(IdMainRangeSlider), As<CMeasureSliderCtrl>(IdMainOffsetSlider));
    As<CUnitEdit>(IdMainRange)->SetUnit(unit);
    As<CUnitEdit>(IdMainOffset)->SetUnit(unit);
    SetMainScale(range, centre);
}

void CViewControls::SetMainScale(float range, float centre) {
    ShowScale(As<CMeasureSliderCtrl>(IdMainRangeSlider), As<CUnitEdit>(IdMainRange),
              As<CMeasureSliderCtrl>(IdMainOffsetSlider), As<CUnitEdit>(IdMainOffset), range, centre);
}

void CViewControls::RefreshScale() {
    MeshParams params;
    if (ViewController* controller = Controller();
        controller != nullptr && controller->GetMainMeshParams(params)) {
        SetMainScale(params.ZRange, params.ZOffset + params.ZRange / 2);
    }
}

// A slider's position is only near its value; the quantity whose slider did not move keeps the
// exact value its edit holds, so moving the offset never nudges the range and the other way round.
void CViewControls::OnMainSlider(bool rangeMoved) {
    auto* rangeEdit = As<CUnitEdit>(IdMainRange);
    auto* offsetEdit = As<CUnitEdit>(IdMainOffset);
    const float range =
        rangeMoved ? As<CMeasureSliderCtrl>(IdMainRangeSlider)->GetValue() : rangeEdit->GetValue();
    const float centre =
        rangeMoved ? offsetEdit->GetValue() : As<CMeasureSliderCtrl>(IdMainOffsetSlider)->GetValue();
    if (Controller() == nullptr) {
        return;
    }
    rangeEdit->SetValue(range);
    offsetEdit->SetValue(centre);
    ApplyMainScale(range, centre);
}

void CViewControls::OnMainEdit() {
    const float range = As<CUnitEdit>(IdMainRange)->GetValue();
    if (UsableRange(range)) {
        ApplyMainScale(range, As<CUnitEdit>(IdMainOffset)->GetValue());
    }
    RefreshScale();
}

void CViewControls::ApplyMainScale(float range, float centre) {
    ViewController* controller = Controller();
    MeshParams params;
    if (controller == nullptr || !controller->GetMainMeshParams(params)) {
        return;
    }
    params.ZRange = range;
    params.ZOffset = centre - range / 2;
    const CIBWChannel* channel = controller->GetCurrentChannel();
    if (As<QCheckBox>(IdAspect1To1)->isChecked() && channel != nullptr && channel->xExtent != 0) {
        params.ZScale = range / static_cast<float>(channel->xExtent);
        ShowAspect(params.ZScale);
    }
    controller->SaveMainRange(params);
    Repaint();
}

void CViewControls::OnMainAuto() {
    ViewController* controller = Controller();
    MeshParams params;
    if (controller == nullptr || controller->GetCurrentChannel() == nullptr ||
        !controller->GetMainMeshParams(params)) {
        return;
    }
    const DisplayRange automatic = AutoRange(*controller->GetCurrentChannel());
    params.ZRange = automatic.range;
    params.ZOffset = automatic.lower;
    controller->SaveMainRange(params);
    RefreshScale();
    Repaint();
}

void CViewControls::ShowAspect(float zScale) {
    As<CUnitEdit>(IdAspect)->SetValue(zScale);
    As<CLogarithmicSliderCtrl>(IdAspectSlider)->SetValue(zScale);
}

void CViewControls::SetupAspect(float zScale) {
    auto* slider = As<CLogarithmicSliderCtrl>(IdAspectSlider);
    slider->SetRange(0.0f, 5.0f, 0.07f);
    slider->SetSteps(-300);
    slider->ClearTicks();
    for (const float tick : {0.0f, 0.3333f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f}) {
        slider->AddTick(tick);
    }
    slider->setPageStep(10);
    slider->setSingleStep(1);
    slider->setEnabled(true);
    auto* edit = As<CUnitEdit>(IdAspect);
    edit->setEnabled(true);
    edit->SetPrecision(3);
    edit->SetLimits(0.0f, 5.0f);
    edit->SetUnit("");
    ShowAspect(zScale);
    As<QCheckBox>(IdAspect1To1)->setChecked(false);
}

void CViewControls::SetMainZScale(float zScale) {
    ViewController* controller = Controller();
    MeshParams params;
    if (controller == nullptr || !controller->GetMainMeshParams(params)) {
        return;
    }
    params.ZScale = zScale;
    controller->SaveMainRange(params);
    Repaint();
}

void CViewControls::OnAspectSlider() {
    if (Controller() == nullptr) {
        return;
    }
    const float value = As<CLogarithmicSliderCtrl>(IdAspectSlider)->GetValue();
    As<CUnitEdit>(IdAspect)->SetValue(value);
    SetMainZScale(value);
}

void CViewControls::OnAspectEdit() {
    if (Controller() == nullptr) {
        return;
    }
    const float value = As<CUnitEdit>(IdAspect)->GetValue();
    As<CLogarithmicSliderCtrl>(IdAspectSlider)->SetValue(value);
    SetMainZScale(value);
}

void CViewControls::OnAspect1To1() {
    auto* box = As<QCheckBox>(IdAspect1To1);
    ViewController* controller = Controller();
    const CIBWChannel* channel = controller == nullptr ? nullptr : controller->GetCurrentChannel();
    if (channel == nullptr) {
        box->setChecked(false);
        return;
    }
    const bool checked = box->isChecked();
    if (checked && channel->zUnit != channel->xUnit) {
        box->setChecked(false);
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             "It is not possible to set the z aspect ratio to 1:1 when the z units are "
                             "disimilar to x or y.");
        return;
    }
    As<QWidget>(IdAspectSlider)->setEnabled(!checked);
    As<QWidget>(IdAspect)->setEnabled(!checked);
    MeshParams params;
    if (checked && controller->GetMainMeshParams(params)) {
        aspectBefore1To1 = params.ZScale;
    }
    ViewerPreferences prefs = controller->GetPreferences();
    prefs.ZAspect1To1 = checked;
    controller->ApplyPreferences(prefs);
    if (controller->GetMainMeshParams(params)) {
        // Unchecking gives back the aspect the user had set, not the 1:1 one.
        if (!checked) {
            params.ZScale = aspectBefore1To1;
        }
        ShowAspect(params.ZScale);
        // Remembers the aspect with the range and lays the axis ticks out for it.
        controller->SaveMainRange(params);
    }
    Repaint();
}

void CViewControls::EnableOverlayScale(bool enable) {
    for (int id : {IdOverlayRangeSlider, IdOverlayOffsetSlider, IdOverlayRange, IdOverlayOffset}) {
        As<QWidget>(id)->setEnabled(enable);
    }
}

void CViewControls::OnOverlayEnable() {
    if (Controller() == nullptr) {
        return;
    }
    const bool enabled = As<QCheckBox>(IdOverlayEnable)->isChecked();
    EnableOverlayScale(enabled);
    OnOverlayChannel();
    if (enabled) {
        RefreshOverlayScale();
    }
}

void CViewControls::OnOverlayChannel() {
    ViewController* controller = Controller();
    if (controller == nullptr) {
        return;
    }
    if (As<QCheckBox>(IdOverlayEnable)->isChecked()) {
        controller->SelectOverlayChannel(As<QComboBox>(IdOverlayChannel)->currentIndex());
        RefreshOverlayScale();
        ViewerPreferences prefs = controller->GetPreferences();
        prefs.AbsoluteZOverlay = As<QCheckBox>(IdOverlayAbsoluteZ)->isChecked();
        controller->ApplyPreferences(prefs);
    } else {
        controller->SelectOverlayChannel(-1);
    }
    Repaint();
}

void CViewControls::OnOverlayAbsoluteZ() {
    ViewController* controller = Controller();
    if (controller == nullptr) {
        return;
    }
    ViewerPreferences prefs = controller->GetPreferences();
    prefs.AbsoluteZOverlay = !prefs.AbsoluteZOverlay;
    controller->ApplyPreferences(prefs);
    if (As<QCheckBox>(IdOverlayEnable)->isChecked()) {
        Repaint();
    }
}

void CViewControls::RefreshOverlayScale() {
    ViewController* controller = Controller();
    MeshParams params;
    const CIBWChannel* channel = controller == nullptr ? nullptr : controller->GetOverlayChannel();
    if (channel == nullptr || !controller->GetOverlayMeshParams(params)) {
        return;
    }
    auto* rangeSlider = As<CMeasureSliderCtrl>(IdOverlayRangeSlider);
    auto* offsetSlider = As<CMeasureSliderCtrl>(IdOverlayOffsetSlider);
    auto* rangeEdit = As<CUnitEdit>(IdOverlayRange);
    auto* offsetEdit = As<CUnitEdit>(IdOverlayOffset);
    SetupScaleSliders(rangeSlider, offsetSlider);
    rangeEdit->SetUnit(channel->zUnit);
    offsetEdit->SetUnit(channel->zUnit);
    ShowScale(rangeSlider, rangeEdit, offsetSlider, offsetEdit, params.ZRange,
              params.ZOffset + params.ZRange / 2);
}

void CViewControls::OnOverlaySlider(bool rangeMoved) {
    auto* rangeEdit = As<CUnitEdit>(IdOverlayRange);
    auto* offsetEdit = As<CUnitEdit>(IdOverlayOffset);
    const float range =
        rangeMoved ? As<CMeasureSliderCtrl>(IdOverlayRangeSlider)->GetValue() : rangeEdit->GetValue();
    const float centre =
        rangeMoved ? offsetEdit->GetValue() : As<CMeasureSliderCtrl>(IdOverlayOffsetSlider)->GetValue();
    const ViewController* controller = Controller();
    if (controller == nullptr || controller->GetOverlayChannel() == nullptr) {
        return;
    }
    rangeEdit->SetValue(range);
    offsetEdit->SetValue(centre);
    ApplyOverlayScale(range, centre);
}

void CViewControls::OnOverlayEdit() {
    const ViewController* controller = Controller();
    if (controller == nullptr || controller->GetOverlayChannel() == nullptr) {
        return;
    }
    const float range = As<CUnitEdit>(IdOverlayRange)->GetValue();
    if (UsableRange(range)) {
        ApplyOverlayScale(range, As<CUnitEdit>(IdOverlayOffset)->GetValue());
    }
    RefreshOverlayScale();
}

void CViewControls::ApplyOverlayScale(float range, float centre) {
    ViewController* controller = Controller();
    MeshParams params;
    if (controller == nullptr || !controller->GetOverlayMeshParams(params)) {
        return;
    }
    params.ZRange = range;
    params.ZOffset = centre - range / 2;
    controller->SaveOverlayRange(params);
    Repaint();
}

void CViewControls::OnOverlayAuto() {
    ViewController* controller = Controller();
    MeshParams params;
    const CIBWChannel* channel = controller == nullptr ? nullptr : controller->GetOverlayChannel();
    if (channel == nullptr || !controller->GetOverlayMeshParams(params)) {
        return;
    }
    const DisplayRange automatic = AutoRange(*channel);
    params.ZRange = automatic.range;
    params.ZOffset = automatic.lower;
    controller->SaveOverlayRange(params);
    RefreshOverlayScale();
    Repaint();
}
