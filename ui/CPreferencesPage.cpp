#include "ui/CPreferencesPage.h"

#include "render/CColorTableHandler.h"
#include "ui/CColorButton.h"
#include "ui/CUnitEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

// The page's check boxes and the fields they show, for Initialise and Apply alike.
struct CheckField {
    int id;
    bool ViewerPreferences::*member;
};
constexpr CheckField kChecks[] = {
    {CPreferencesPage::IdShowLabels, &ViewerPreferences::ShowLabels},
    {CPreferencesPage::IdShowBoundingBox, &ViewerPreferences::ShowBoundingBox},
    {CPreferencesPage::IdShowColorbar, &ViewerPreferences::ShowColorbar},
    {CPreferencesPage::IdAbsoluteZ, &ViewerPreferences::AbsoluteZ},
    {CPreferencesPage::IdAbsoluteZOverlay, &ViewerPreferences::AbsoluteZOverlay},
    {CPreferencesPage::IdChannelPalette, &ViewerPreferences::UseChannelPalette},
    {CPreferencesPage::IdAutoScale, &ViewerPreferences::AutoScaleChannel},
    {CPreferencesPage::IdControlBar, &ViewerPreferences::ControlBar},
    {CPreferencesPage::IdDecimate, &ViewerPreferences::DecimationEnable},
    {CPreferencesPage::IdLights, &ViewerPreferences::ShowLights},
    {CPreferencesPage::IdReduceWhileMoving, &ViewerPreferences::ReduceWhileMoving},
};

// A stored index outside the list selects nothing. The index is wide so that a damaged stored
// value near the int limits cannot overflow when it is offset.
void SelectIndex(QComboBox* combo, long long index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? static_cast<int>(index) : -1);
}

ColorRef ToColorRef(ColorRGBA c) {
    return MakeColorRef(c.r, c.g, c.b);
}

ColorRGBA ToColorRGBA(ColorRef c, std::uint8_t alpha) {
    return {static_cast<std::uint8_t>(RedOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
            static_cast<std::uint8_t>(BlueOf(c)), alpha};
}

// The width of a field that shows `sample`, in the field's own font, with room for its frame.
int WidthFor(const QWidget* field, const char* sample) {
    return field->fontMetrics().horizontalAdvance(sample) + 4 * field->fontMetrics().averageCharWidth();
}

void AddLabelled(QGridLayout* grid, const char* text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1, Qt::AlignLeft);
}

void AddSpanning(QGridLayout* grid, QWidget* widget) {
    grid->addWidget(widget, grid->rowCount(), 0, 1, 2);
}

} // namespace

CPreferencesPage::CPreferencesPage(QWidget* parent) : QWidget(parent) {
    auto* image = new QGroupBox("Image");
    auto* imageGrid = new QGridLayout(image);
    AddLabelled(imageGrid, "Aspect Ratio", AddUnitEdit(IdAspectRatio));
    AddLabelled(imageGrid, "Clipping Mode", AddCombo(IdClipMode, {"None", "Z Clamp", "Z Clip"}));
    AddLabelled(imageGrid, "Zoom", AddUnitEdit(IdZoom));
    AddSpanning(imageGrid, AddCheck(IdShowLabels, "Show Labels"));
    AddSpanning(imageGrid, AddCheck(IdShowBoundingBox, "Show Boundary Box"));
    AddSpanning(imageGrid, AddCheck(IdShowColorbar, "Display Colorbar"));
    AddSpanning(imageGrid, AddCheck(IdAbsoluteZ, "Enable Absolute Z"));
    AddSpanning(imageGrid, AddCheck(IdAbsoluteZOverlay, "Enable Absolute Z in Overlay"));
    imageGrid->setColumnStretch(1, 1);

    auto* general = new QGroupBox("General");
    auto* generalGrid = new QGridLayout(general);
    AddSpanning(generalGrid, AddCheck(IdChannelPalette, "Use channel palette in file"));
    AddSpanning(generalGrid, AddCheck(IdAutoScale, "Autoscale image on open"));
    AddSpanning(generalGrid, AddCheck(IdControlBar, "Open control bar when app starts"));
    AddLabelled(generalGrid, "Image export factor", AddCombo(IdExportFactor, {"1x", "2x", "3x", "4x"}));
    AddSpanning(generalGrid, AddCheck(IdDecimate, "Decimate oversize images to limits"));
    auto* thresholds = new QHBoxLayout;
    thresholds->setContentsMargins(0, 0, 0, 0);
    thresholds->addWidget(AddThresholdEdit(IdXThreshold));
    thresholds->addWidget(new QLabel("x"));
    thresholds->addWidget(AddThresholdEdit(IdYThreshold));
    thresholds->addStretch();
    generalGrid->addLayout(thresholds, generalGrid->rowCount(), 0, 1, 2);
    AddSpanning(generalGrid, AddCheck(IdReduceWhileMoving, "Reduced detail while the view moves"));
    generalGrid->setColumnStretch(1, 1);

    auto* colors = new QGroupBox("Colors");
    auto* colorsGrid = new QGridLayout(colors);
    AddLabelled(colorsGrid, "Background Color", AddColorButton(IdBackColor));
    AddLabelled(colorsGrid, "Specular Light Color", AddColorButton(IdLightColor));
    AddLabelled(colorsGrid, "Onscreen Text Color", AddColorButton(IdTextColor));
    AddLabelled(colorsGrid, "NaN Color", AddColorButton(IdNaNColor));
    QStringList tableNames;
    for (int i = 0; i < CColorTableHandler::GetTableCount(); ++i) {
        tableNames.push_back(QString::fromStdString(CColorTableHandler::GetName(i)));
    }
    AddLabelled(colorsGrid, "Default Palette", AddCombo(IdPalette, tableNames));
    colorsGrid->setColumnStretch(1, 1);

    auto* lights = new QGroupBox("Lights");
    auto* lightsGrid = new QGridLayout(lights);
    AddSpanning(lightsGrid, AddCheck(IdLights, "Lighting Enabled"));
    AddLabelled(lightsGrid, "Specular Factor (0-100)", AddUnitEdit(IdSpecular));
    lightsGrid->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(image);
    left->addWidget(general);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(colors);
    right->addWidget(lights);
    right->addStretch();
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right);

    const PreferenceRange aspect = kPreferenceRanges.ZAspectRatio;
    const PreferenceRange specular = kPreferenceRanges.SpecularFactor;
    As<CUnitEdit>(IdAspectRatio)->SetLimits(static_cast<float>(aspect.low), static_cast<float>(aspect.high));
    // The page shows the factor in percent.
    As<CUnitEdit>(IdSpecular)
        ->SetLimits(static_cast<float>(specular.low * 100), static_cast<float>(specular.high * 100));
    connect(As<QCheckBox>(IdDecimate), &QCheckBox::clicked, this, &CPreferencesPage::UpdateThresholdsEnabled);
}

QCheckBox* CPreferencesPage::AddCheck(int id, const char* text) {
    auto* check = new QCheckBox(text);
    controls.Add(id, check);
    connect(check, &QCheckBox::clicked, this, &CPreferencesPage::MarkModified);
    return check;
}

QComboBox* CPreferencesPage::AddCombo(int id, const QStringList& items) {
    auto* combo = new QComboBox;
    combo->addItems(items);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    controls.Add(id, combo);
    if (id == IdClipMode) {
        connect(combo, &QComboBox::activated, this, &CPreferencesPage::MarkModified);
    }
    return combo;
}

CUnitEdit* CPreferencesPage::AddUnitEdit(int id) {
    auto* edit = new CUnitEdit(id);
    edit->setFixedWidth(WidthFor(edit, "0000.000"));
    controls.Add(id, edit);
    connect(edit, &QLineEdit::textEdited, this, &CPreferencesPage::MarkModified);
    connect(edit, &CUnitEdit::unitEditCommit, this, &CPreferencesPage::MarkModified);
    return edit;
}

CColorButton* CPreferencesPage::AddColorButton(int id) {
    auto* button = new CColorButton(id);
    // "Automatic" reads back as black; drawing it black shows the colour that will be stored.
    button->defaultColour = MakeColorRef(0, 0, 0);
    button->setMinimumWidth(WidthFor(button, "0000.000"));
    controls.Add(id, button);
    connect(button, &CColorButton::colorAccepted, this, &CPreferencesPage::MarkModified);
    return button;
}

QLineEdit* CPreferencesPage::AddThresholdEdit(int id) {
    auto* edit = new QLineEdit;
    edit->setFixedWidth(WidthFor(edit, "000000"));
    controls.Add(id, edit);
    return edit;
}

QWidget* CPreferencesPage::Control(int id) const {
    return controls.Find(id);
}

void CPreferencesPage::UpdateThresholdsEnabled() {
    const bool enabled = As<QCheckBox>(IdDecimate)->isChecked();
    As<QLineEdit>(IdXThreshold)->setEnabled(enabled);
    As<QLineEdit>(IdYThreshold)->setEnabled(enabled);
}

void CPreferencesPage::Initialise() {
    SelectIndex(As<QComboBox>(IdClipMode), prefs.ClipMode);
    SelectIndex(As<QComboBox>(IdExportFactor), static_cast<long long>(prefs.ExportFactor) - 1);
    SelectIndex(As<QComboBox>(IdPalette), prefs.PaletteIndex);
    for (const auto& [id, member] : kChecks) {
        As<QCheckBox>(id)->setChecked(prefs.*member);
    }
    As<QLineEdit>(IdXThreshold)->setText(QString::number(prefs.XDecimationThreshold));
    As<QLineEdit>(IdYThreshold)->setText(QString::number(prefs.YDecimationThreshold));

    auto* specular = As<CUnitEdit>(IdSpecular);
    specular->SetUnit("");
    specular->SetPrecision(0);
    specular->SetValue(prefs.SpecularFactor * 100.0f);
    auto* zoom = As<CUnitEdit>(IdZoom);
    zoom->SetPrecision(3);
    zoom->SetValueAndUnit(prefs.ZoomFactor, "");
    auto* aspect = As<CUnitEdit>(IdAspectRatio);
    aspect->SetPrecision(3);
    aspect->SetValueAndUnit(prefs.ZAspectRatio, "");

    As<CColorButton>(IdBackColor)->SetColour(ToColorRef(prefs.BackColor));
    As<CColorButton>(IdLightColor)->SetColour(ToColorRef(prefs.LightColor));
    As<CColorButton>(IdTextColor)->SetColour(ToColorRef(prefs.OnscreenTextColor));
    As<CColorButton>(IdNaNColor)->SetColour(ToColorRef(prefs.NaNColor));
    UpdateThresholdsEnabled();
}

bool CPreferencesPage::Apply() {
    int thresholds[2] = {};
    const int thresholdIds[2] = {IdXThreshold, IdYThreshold};
    for (int i = 0; i < 2; ++i) {
        auto* edit = As<QLineEdit>(thresholdIds[i]);
        bool ok = false;
        thresholds[i] = edit->text().trimmed().toInt(&ok);
        // A surface needs two points a side: a smaller limit would decimate every image to a line
        // or a point. While decimation is off the edits cannot be changed, so they are not judged.
        const int least = static_cast<int>(i == 0 ? kPreferenceRanges.XDecimationThreshold.low
                                                  : kPreferenceRanges.YDecimationThreshold.low);
        const bool tooSmall = ok && As<QCheckBox>(IdDecimate)->isChecked() && thresholds[i] < least;
        if (!ok || tooSmall) {
            QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                                 ok ? QStringLiteral("Enter an integer of at least %1.").arg(least)
                                    : QStringLiteral("Enter an integer."));
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }
    // Text typed into a unit edit counts even when the edit kept the focus (a keyboard OK). Shown
    // text that nobody edited is not read back, as it may have fewer decimals than the value.
    for (int id : {IdAspectRatio, IdZoom, IdSpecular}) {
        auto* edit = As<CUnitEdit>(id);
        if (edit->isModified()) {
            edit->Commit();
        }
    }

    prefs.ClipMode = As<QComboBox>(IdClipMode)->currentIndex();
    for (const auto& [id, member] : kChecks) {
        prefs.*member = As<QCheckBox>(id)->isChecked();
    }
    prefs.ZAspectRatio = As<CUnitEdit>(IdAspectRatio)->GetValue();
    prefs.ZoomFactor = As<CUnitEdit>(IdZoom)->GetValue();
    prefs.SpecularFactor = As<CUnitEdit>(IdSpecular)->GetValue() / 100.0f;
    prefs.ExportFactor = As<QComboBox>(IdExportFactor)->currentIndex() + 1;
    prefs.XDecimationThreshold = thresholds[0];
    prefs.YDecimationThreshold = thresholds[1];

    prefs.BackColor = ToColorRGBA(As<CColorButton>(IdBackColor)->GetColour(), 0);
    prefs.LightColor = ToColorRGBA(As<CColorButton>(IdLightColor)->GetColour(), 0);
    prefs.OnscreenTextColor = ToColorRGBA(As<CColorButton>(IdTextColor)->GetColour(), 0);
    prefs.NaNColor = ToColorRGBA(As<CColorButton>(IdNaNColor)->GetColour(), 255);
    prefs.PaletteIndex = As<QComboBox>(IdPalette)->currentIndex();
    return true;
}
