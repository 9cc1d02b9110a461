#include "app/QV3DViewer/controls/CViewControls.h"

#include "app/QV3DViewer/controls/CSpinButtonCtrl.h"
#include "app/QV3DViewer/view/ViewController.h"
#include "ui/CColorButton.h"
#include "ui/CLogarithmicSliderCtrl.h"
#include "ui/CMeasureSliderCtrl.h"
#include "ui/CUnitEdit.h"
#include "ui/ViewerPreferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <cmath>

namespace {

constexpr int kSliderHeight = 96; // the shortest a slider may get; the Misc column sets the rest

int Percent(float factor) {
    return static_cast<int>(std::lround(factor * 100.0f));
}

ColorRef ToColorRef(ColorRGBA c) {
    return MakeColorRef(c.r, c.g, c.b);
}

QGridLayout* GroupGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(5, 2, 5, 4);
    grid->setHorizontalSpacing(5);
    grid->setVerticalSpacing(3);
    return grid;
}

QLabel* Caption(const char* text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text);
    label->setAlignment(alignment);
    return label;
}

void SetupSlider(QSlider* slider) {
    slider->setMinimumHeight(kSliderHeight);
    slider->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

} // namespace

CViewControls::CViewControls(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 4);
    row->setSpacing(4);
    for (QWidget* group : {BuildPositions(), BuildScaling(), BuildZControls(), BuildOverlay()}) {
        row->addWidget(group);
    }
    auto* stacked = new QVBoxLayout;
    stacked->setSpacing(2);
    stacked->addWidget(BuildColors());
    stacked->addWidget(BuildLights(), 1);
    row->addLayout(stacked);
    row->addWidget(BuildMisc());
    row->addStretch();

    // Dialog initialisation: the colours and the specular factor start from the application's
    // record until an image brings the view's own.
    As<CColorButton>(IdBackColor)->SetColour(ToColorRef(CurrentPreferences.BackColor));
    As<CColorButton>(IdLightColor)->SetColour(ToColorRef(CurrentPreferences.LightColor));
    As<CColorButton>(IdNaNColor)->SetColour(ToColorRef(CurrentPreferences.NaNColor));
    spin->SetRange(0, 100);
    spin->SetAccel({{0, 1}, {1, 5}, {2, 10}, {3, 20}});
    auto* specular = As<CUnitEdit>(IdSpecularFactor);
    specular->SetPrecision(0);
    specular->SetLimits(0.0f, 100.0f);
    ShowSpecular(Percent(CurrentPreferences.SpecularFactor));
    SetPositionMode(positionMode);
    Connect();
    UpdateControlStates();
    // The bottom dock area honours an explicit minimum but trims a hinted one by a pixel.
    setMinimumHeight(minimumSizeHint().height());
}

CViewControls::~CViewControls() {
    if (viewController != nullptr) {
        viewController->SetChangeHook({});
    }
}

QWidget* CViewControls::Control(int id) const {
    return controls.Find(id);
}

CUnitEdit* CViewControls::AddUnitEdit(int id, const char* widest) {
    auto* edit = controls.Add(id, new CUnitEdit(id));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString::fromLatin1(widest)) +
                        edit->fontMetrics().averageCharWidth() + 6);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QCheckBox* CViewControls::AddCheck(int id, const char* text) {
    return controls.Add(id, new QCheckBox(text));
}

QWidget* CViewControls::BuildPositions() {
    auto* group = new QGroupBox("Positions");
    auto* grid = GroupGrid(group);
    auto* mode = controls.Add(IdPositionMode, new QComboBox);
    mode->addItems({"View", "Light", "Offset", "Anaglyph"});
    grid->addWidget(mode, 0, 0, 1, 2);
    const int labels[3] = {IdPositionLabel1, IdPositionLabel2, IdPositionLabel3};
    const int edits[3] = {IdPosition1, IdPosition2, IdPosition3};
    for (int i = 0; i < 3; ++i) {
        auto* edit = AddUnitEdit(edits[i], "-000.00 \xB0");
        auto* label = controls.Add(labels[i], Caption("Focal Fac.", Qt::AlignRight | Qt::AlignVCenter));
        label->setMinimumWidth(label->sizeHint().width());
        label->setBuddy(edit);
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(edit, i + 1, 1);
    }
    grid->setRowStretch(4, 1);
    return group;
}

// The scaling and overlay groups share one shape: a top row, the captions, the edits, the two
// sliders and a bottom row, so their sliders line up.
void CViewControls::AddScaleColumns(QGridLayout* grid, int rangeEdit, int offsetEdit, int rangeSlider,
                                    int offsetSlider) {
    grid->addWidget(Caption("Range", Qt::AlignCenter), 1, 0);
    grid->addWidget(Caption("Offset", Qt::AlignCenter), 1, 1);
    grid->addWidget(AddUnitEdit(rangeEdit, "-000.00 mV"), 2, 0);
    grid->addWidget(AddUnitEdit(offsetEdit, "-000.00 mV"), 2, 1);
    auto* range = controls.Add(rangeSlider, new CMeasureSliderCtrl(Qt::Vertical));
    auto* offset = controls.Add(offsetSlider, new CMeasureSliderCtrl(Qt::Vertical));
    SetupSlider(range);
    SetupSlider(offset);
    grid->addWidget(range, 3, 0, Qt::AlignHCenter);
    grid->addWidget(offset, 3, 1, Qt::AlignHCenter);
}

QWidget* CViewControls::BuildScaling() {
    auto* group = new QGroupBox("Scaling and Offset");
    auto* grid = GroupGrid(group);
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    auto* clipMode = controls.Add(IdClipMode, new QComboBox);
    clipMode->addItems({"None", "Z Clamp", "Z Clip"});
    auto* clipLabel = Caption("Clipping");
    clipLabel->setBuddy(clipMode);
    top->addWidget(clipLabel);
    top->addWidget(clipMode, 1);
    grid->addLayout(top, 0, 0, 1, 2);
    AddScaleColumns(grid, IdMainRange, IdMainOffset, IdMainRangeSlider, IdMainOffsetSlider);
    grid->addWidget(controls.Add(IdAuto, new QPushButton("Auto")), 4, 0);
    return group;
}

QWidget* CViewControls::BuildZControls() {
    auto* group = new QGroupBox("Z Controls");
    auto* grid = GroupGrid(group);
    grid->addWidget(AddCheck(IdAbsoluteZ, "Absolute Z"), 0, 0);
    auto* edit = AddUnitEdit(IdAspect, "00.000");
    auto* editLabel = Caption("Aspect Ratio");
    editLabel->setBuddy(edit);
    grid->addWidget(editLabel, 1, 0);
    grid->addWidget(edit, 2, 0, Qt::AlignLeft);
    grid->addWidget(AddCheck(IdAspect1To1, "1:1 Aspect"), 3, 0);
    grid->setRowStretch(4, 1);
    auto* slider = controls.Add(IdAspectSlider, new CLogarithmicSliderCtrl(Qt::Vertical));
    SetupSlider(slider);
    grid->addWidget(Caption("Aspect", Qt::AlignCenter), 0, 1);
    grid->addWidget(slider, 1, 1, 4, 1, Qt::AlignHCenter);
    return group;
}

QWidget* CViewControls::BuildOverlay() {
    auto* group = new QGroupBox("Overlay");
    auto* grid = GroupGrid(group);
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(AddCheck(IdOverlayEnable, "Enable"));
    auto* channel = controls.Add(IdOverlayChannel, new QComboBox);
    channel->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    channel->setMinimumContentsLength(8);
    top->addWidget(channel, 1);
    grid->addLayout(top, 0, 0, 1, 2);
    AddScaleColumns(grid, IdOverlayRange, IdOverlayOffset, IdOverlayRangeSlider, IdOverlayOffsetSlider);
    grid->addWidget(controls.Add(IdOverlayAuto, new QPushButton("Auto")), 4, 0);
    grid->addWidget(AddCheck(IdOverlayAbsoluteZ, "Absolute Z"), 4, 1);
    return group;
}

QWidget* CViewControls::BuildColors() {
    auto* group = new QGroupBox("Colors");
    auto* grid = GroupGrid(group);
    const std::pair<int, const char*> buttons[] = {
        {IdBackColor, "Background"}, {IdLightColor, "Lights"}, {IdNaNColor, "NaNs"}};
    int row = 0;
    for (const auto& [id, text] : buttons) {
        auto* button = controls.Add(id, new CColorButton(id));
        // "Automatic" is read back as black, so it is drawn black too.
        button->defaultColour = MakeColorRef(0, 0, 0);
        auto* label = Caption(text);
        label->setBuddy(button);
        grid->addWidget(label, row, 0);
        grid->addWidget(button, row, 1);
        ++row;
    }
    return group;
}

QWidget* CViewControls::BuildLights() {
    auto* group = new QGroupBox("Lights");
    auto* grid = GroupGrid(group);
    grid->addWidget(AddCheck(IdLighting, "Enable Lighting"), 0, 0, 1, 2);
    grid->addWidget(AddCheck(IdSpecular, "Specular"), 1, 0, 1, 2);
    auto* edit = AddUnitEdit(IdSpecularFactor, "0000");
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    spin = controls.Add(IdSpecularSpin, new CSpinButtonCtrl(edit));
    auto* label = Caption("Factor (0-100)");
    label->setBuddy(edit);
    grid->addWidget(label, 2, 0);
    auto* field = new QHBoxLayout;
    field->setSpacing(0);
    field->addWidget(edit);
    field->addWidget(spin);
    grid->addLayout(field, 2, 1, Qt::AlignLeft);
    grid->setRowStretch(3, 1);
    return group;
}

QWidget* CViewControls::BuildMisc() {
    auto* group = new QGroupBox("Misc");
    auto* grid = GroupGrid(group);
    const std::pair<int, const char*> checks[] = {
        {IdOrtho, "Ortho Projection"},      {IdLabels, "Labels"},     {IdBoundingBox, "Boundary Box"},
        {IdColorbar, "Colorbar"},           {IdAnaglyph, "Anaglyph"}, {IdNegativePalette, "Negative Palette"},
        {IdInvertPalette, "Invert Palette"}};
    int row = 0;
    for (const auto& [id, text] : checks) {
        grid->addWidget(AddCheck(id, text), row++, 0);
    }
    grid->setRowStretch(row, 1);
    return group;
}

void CViewControls::Connect() {
    for (const auto& [id, widget] : controls) {
        if (auto* edit = dynamic_cast<CUnitEdit*>(widget)) {
            connect(edit, &CUnitEdit::unitEditCommit, this, [this](int which) { OnUnitEditCommit(which); });
        } else if (auto* check = dynamic_cast<QCheckBox*>(widget)) {
            connect(check, &QCheckBox::clicked, this, [this, which = id] { OnSwitch(which); });
        } else if (auto* button = dynamic_cast<CColorButton*>(widget)) {
            connect(button, &CColorButton::colorAccepted, this, [this] { OnColourAccepted(); });
        }
    }
    connect(As<QSlider>(IdMainRangeSlider), &QSlider::valueChanged, this, [this] { OnMainSlider(true); });
    connect(As<QSlider>(IdMainOffsetSlider), &QSlider::valueChanged, this, [this] { OnMainSlider(false); });
    connect(As<QSlider>(IdMainRangeSlider), &QSlider::sliderReleased, this, [this] { RefreshScale(); });
    connect(As<QSlider>(IdOverlayRangeSlider), &QSlider::valueChanged, this,
            [this] { OnOverlaySlider(true); });
    connect(As<QSlider>(IdOverlayOffsetSlider), &QSlider::valueChanged, this,
            [this] { OnOverlaySlider(false); });
    connect(As<QSlider>(IdOverlayRangeSlider), &QSlider::sliderReleased, this,
            [this] { RefreshOverlayScale(); });
    connect(As<QSlider>(IdAspectSlider), &QSlider::valueChanged, this, [this] { OnAspectSlider(); });
    connect(As<QPushButton>(IdAuto), &QPushButton::clicked, this, [this] { OnMainAuto(); });
    connect(As<QPushButton>(IdOverlayAuto), &QPushButton::clicked, this, [this] { OnOverlayAuto(); });
    connect(As<QComboBox>(IdOverlayChannel), &QComboBox::activated, this, [this] { OnOverlayChannel(); });
    connect(As<QComboBox>(IdClipMode), &QComboBox::activated, this, [this] { OnClipMode(); });
    connect(As<QComboBox>(IdPositionMode), &QComboBox::activated, this, [this] { OnPositionMode(); });
    spin->positionChanged = [this](int position) { OnSpin(position); };
}

void CViewControls::Repaint() const {
    if (repaint) {
        repaint();
    }
}

void CViewControls::Attach(ViewController* next, std::function<void()> nextRepaint) {
    viewController = next;
    repaint = std::move(nextRepaint);
}

void CViewControls::Detach() {
    if (viewController != nullptr) {
        viewController->SetChangeHook({});
    }
    viewController = nullptr;
    repaint = {};
    for (int id : {IdPosition1, IdPosition2, IdPosition3, IdMainRange, IdMainOffset, IdAspect, IdOverlayRange,
                   IdOverlayOffset}) {
        As<CUnitEdit>(id)->clear();
    }
    As<QComboBox>(IdOverlayChannel)->clear();
    As<QCheckBox>(IdOverlayEnable)->setChecked(false);
    As<QCheckBox>(IdAspect1To1)->setChecked(false);
    EnableOverlayScale(false);
    UpdateControlStates();
}

void CViewControls::ResetForImage(const QStringList& channelNames) {
    ViewController* controller = Controller();
    MeshParams params;
    ViewState state;
    if (controller == nullptr || !controller->GetMainMeshParams(params) ||
        !controller->ReadViewState(state)) {
        return;
    }
    SetPositionMode(positionMode);
    RefreshPositions();
    controller->SetChangeHook([this] { RefreshPositions(); });

    As<CColorButton>(IdBackColor)->SetColour(ToColorRef(state.BackColor));
    As<CColorButton>(IdLightColor)->SetColour(ToColorRef(state.LightColor));
    As<CColorButton>(IdNaNColor)->SetColour(ToColorRef(params.NaNColor));

    SetupMainScale(controller->GetZUnit(), params.ZRange, params.ZOffset + params.ZRange / 2);
    SetupAspect(params.ZScale);
    // The working record follows the unchecked box, or checking it again would find the 1:1 rule
    // already set and leave the aspect as it is.
    ViewerPreferences prefs = controller->GetPreferences();
    if (prefs.ZAspect1To1) {
        prefs.ZAspect1To1 = false;
        controller->ApplyPreferences(prefs);
    }

    auto* overlay = As<QComboBox>(IdOverlayChannel);
    overlay->clear();
    overlay->addItems(channelNames);
    overlay->setCurrentIndex(overlay->count() > 0 ? 0 : -1);
    As<QCheckBox>(IdOverlayEnable)->setChecked(false);
    // An overlay kept from the previous channel would colour the surface behind an unchecked box.
    controller->SelectOverlayChannel(-1);
    EnableOverlayScale(false);

    UpdateControlStates();
}

void CViewControls::UpdateControlStates() {
    const ViewController* controller = Controller();
    const bool attached = controller != nullptr;
    const ViewerPreferences prefs = attached ? controller->GetPreferences() : ViewerPreferences{};
    const std::pair<int, bool> checks[] = {
        {IdOrtho, prefs.OrthoProjection},       {IdLabels, prefs.ShowLabels},
        {IdBoundingBox, prefs.ShowBoundingBox}, {IdColorbar, prefs.ShowColorbar},
        {IdAnaglyph, prefs.Anaglyph},           {IdNegativePalette, prefs.NegativePalette},
        {IdInvertPalette, prefs.InvertPalette}, {IdLighting, prefs.ShowLights},
        {IdAbsoluteZ, prefs.AbsoluteZ},         {IdOverlayAbsoluteZ, prefs.AbsoluteZOverlay},
    };
    for (const auto& [id, checked] : checks) {
        As<QCheckBox>(id)->setChecked(attached && checked);
    }
    auto* specular = As<QCheckBox>(IdSpecular);
    specular->setEnabled(!attached || prefs.ShowLights);
    if (!attached) {
        specular->setChecked(false);
    } else if (prefs.ShowLights) {
        specular->setChecked(prefs.SpecularEnabled);
    }
    const bool overlayOn = As<QCheckBox>(IdOverlayEnable)->isChecked();
    As<QCheckBox>(IdOverlayAbsoluteZ)->setEnabled(overlayOn);
    As<QPushButton>(IdOverlayAuto)->setEnabled(overlayOn);
    if (attached) {
        ShowSpecular(Percent(prefs.SpecularFactor));
    }
    auto* clip = As<QComboBox>(IdClipMode);
    if (!clip->hasFocus()) {
        const int mode = attached ? prefs.ClipMode : -1;
        clip->setCurrentIndex(mode >= 0 && mode < clip->count() ? mode : -1);
    }
}

void CViewControls::SetViewColours(ColorRef back, ColorRef light) {
    As<CColorButton>(IdBackColor)->SetColour(back);
    As<CColorButton>(IdLightColor)->SetColour(light);
}
