#include "app/QV3DViewer/view/ViewController.h"

#include "app/QV3DViewer/view/AutoRange.h"
#include "app/QV3DViewer/view/AxesLabels.h"
#include "app/QV3DViewer/view/ChannelPalette.h"
#include "app/QV3DViewer/view/DragViewState.h"
#include "app/QV3DViewer/view/NoteDisplayRange.h"
#include "ibw/CIBWReader.h"
#include "render/CColorTableHandler.h"
#include "ui/PreferenceLimits.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <utility>

namespace {

CRenderFacade& Facade() {
    return CRenderFacade::Instance();
}

constexpr int kMaxRegisteredEntries = 512;
constexpr std::uint16_t kLabelBits = 0x017F;
constexpr std::uint16_t kLabelMask = 0xFE80;

// Unit texts of the axes record hold at most 7 bytes and a terminator.
void CopyUnit(char (&out)[8], const std::string& unit) {
    std::fill(std::begin(out), std::end(out), '\0');
    unit.copy(out, sizeof(out) - 1);
}

void SetBit(std::uint16_t& word, std::uint16_t bit, bool on) {
    word = static_cast<std::uint16_t>(on ? (word | bit) : (word & ~bit));
}

} // namespace

ViewController::ViewController() : prefs(CurrentPreferences) {
    mainPalette = EffectivePaletteIndex(prefs);
    overlayPalette = mainPalette;
}

ViewController::~ViewController() {
    Release();
}

void ViewController::SetViewState(ViewState state) {
    if (context == nullptr) {
        return;
    }
    state.TextFlags = textFlags;
    Facade().SetViewState(context, state);
}

bool ViewController::AttachWindow(QWindow* window) {
    Release();
    context = Facade().CreateWindowContext(window);
    if (context == nullptr) {
        return false;
    }
    ViewState state;
    Facade().GetViewState(context, state);
    state.Rotate = 0;
    state.Pitch = 30;
    state.Projection = prefs.OrthoProjection ? 1 : 0;
    state.Zoom = prefs.ZoomFactor;
    state.ShowLights = true;
    state.ShowColorbar = prefs.ShowColorbar;
    // The working record's Anaglyph is what the control bar shows, from the store at start-up and
    // from the bar afterwards; the view follows it, as it follows the projection.
    state.Anaglyph = prefs.Anaglyph;
    state.BackColor = prefs.BackColor;
    state.LightColor = prefs.LightColor;
    state.OnscreenTextColor = prefs.OnscreenTextColor;
    SetViewState(state);
    return true;
}

void ViewController::ReleaseMesh(RenderHandle& mesh) {
    if (mesh == nullptr) {
        return;
    }
    Facade().RemoveMeshFromScene(context, mesh);
    Facade().ReleaseMesh(mesh);
    mesh = nullptr;
}

void ViewController::Release() {
    EndMotion();
    ReleaseMesh(overlayMesh);
    ReleaseMesh(mainMesh);
    if (context != nullptr) {
        Facade().ReleaseContext(context);
        context = nullptr;
    }
    mainRanges.clear();
    overlayRanges.clear();
    rangeCapacity = 0;
}

void ViewController::Draw(int width, int height) {
    if (context == nullptr) {
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    Facade().DrawContext(context, width, height);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (mainMesh != nullptr) {
        detail.RecordFrame(InMotion() ? movingSize : mainSize, took.count());
    }
}

void ViewController::RegisterColourTables() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    const CColorTableHandler tables;
    for (int i = 0; i < CColorTableHandler::GetTableCount(); ++i) {
        std::vector<std::uint32_t> entries(kMaxRegisteredEntries);
        const int count = tables.FillEntries(i, entries.data(), kMaxRegisteredEntries);
        Facade().SetColorTable(i, entries.data(), count);
    }
}

bool ViewController::SelectChannel(CIBWReader* reader_, int index) {
    EndMotion();
    reader = reader_;
    if (reader == nullptr || reader->GetChannel(index) == nullptr) {
        return false;
    }
    ViewState state;
    if (ReadViewState(state)) {
        state.Zoom = prefs.ZoomFactor;
        state.BackColor = prefs.BackColor;
        state.ShowLights = prefs.ShowLights;
        SetViewState(state);
    }
    ReleaseMesh(mainMesh);
    if (mainRanges.empty() || rangeCapacity < reader->channelCount) {
        rangeCapacity = reader->channelCount;
        mainRanges.assign(static_cast<std::size_t>(rangeCapacity), SavedRange{});
        overlayRanges.assign(static_cast<std::size_t>(rangeCapacity), SavedRange{});
    }
    mainMesh = CreateChannelMesh(index, false);
    const std::string named = reader->GetNoteValue("ColorMap " + std::to_string(index));
    SetPalette(
        ChooseChannelPalette(named, prefs.UseChannelPalette, EffectivePaletteIndex(prefs), mainPalette));
    if (mainMesh != nullptr) {
        Facade().AddMeshToScene(context, mainMesh);
    }
    mainChannel = index;
    return true;
}

RenderHandle ViewController::CreateChannelMesh(int index, bool overlay) {
    const CIBWChannel* channel = reader == nullptr ? nullptr : reader->GetChannel(index);
    if (channel == nullptr) {
        return nullptr;
    }
    // Decimation follows the application-wide record, not the working copy.
    const MeshGridSize size = DecimatedGridSize(CurrentPreferences, channel->columns, channel->rows);
    const bool decimated = size.columns != channel->columns || size.rows != channel->rows;
    RenderHandle mesh =
        decimated ? Facade().CreateDecimatedMesh(channel->columns, channel->rows, size.columns, size.rows)
                  : Facade().CreateMesh(channel->columns, channel->rows);
    if (mesh == nullptr) {
        return nullptr;
    }
    if (!overlay) {
        mainSize = size;
    }
    MeshParams params;
    Facade().GetMeshParams(mesh, params);
    params.XOffset = static_cast<float>(channel->xStart);
    params.XExtent = static_cast<float>(channel->xExtent);
    params.YOffset = static_cast<float>(channel->yStart);
    params.YExtent = static_cast<float>(channel->yExtent);
    params.ZScale = prefs.ZAspectRatio;
    const std::vector<SavedRange>& ranges = overlay ? overlayRanges : mainRanges;
    const std::size_t slot = static_cast<std::size_t>(index);
    if (slot < ranges.size() && ranges[slot].valid) {
        params.ZRange = ranges[slot].range;
        params.ZOffset = ranges[slot].lower;
        params.ZScale = ranges[slot].zScale;
    } else {
        // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) of "literal" + std::string.
        std::string suffix = " ";
        suffix += std::to_string(index);
        const DisplayRange range = prefs.AutoScaleChannel
                                       ? AutoRange(*channel)
                                       : NoteDisplayRange(reader->GetNoteValue("Display Offset" + suffix),
                                                          reader->GetNoteValue("Display Range" + suffix));
        params.ZRange = range.range;
        params.ZOffset = range.lower;
    }
    params.SpecularFactor = prefs.SpecularFactor;
    params.ZClamp = EffectiveClipMode(prefs) == 1 ? 1 : 0;
    params.ZClip = EffectiveClipMode(prefs) == 2 ? 1 : 0;
    params.Specular = prefs.SpecularEnabled ? 1 : 0;
    params.NaNColor = prefs.NaNColor;
    Facade().SetMeshParams(mesh, params);
    // A new mesh starts relative: the colour bar and z labels of either surface follow the
    // preference from the start, not only after the next change of preferences.
    AxesOptions axes;
    axes.Size = sizeof(AxesOptions);
    if (Facade().GetAxesOptions(mesh, axes)) {
        SetBit(axes.ZOptions, kAxesAbsoluteZ, overlay ? prefs.AbsoluteZOverlay : prefs.AbsoluteZ);
        Facade().SetAxesOptions(mesh, axes);
    }
    SetupAxes(*channel, mesh);
    Facade().LoadMeshData(mesh, channel->data, channel->points);
    return mesh;
}

bool ViewController::SetupAxes(const CIBWChannel& channel, RenderHandle mesh) {
    MeshParams params;
    if (!Facade().GetMeshParams(mesh, params)) {
        return false;
    }
    AxesOptions axes;
    axes.Size = sizeof(AxesOptions);
    Facade().GetAxesOptions(mesh, axes);
    if (prefs.ShowBoundingBox) {
        axes.Flags |= AxesBoundingBox;
    }
    if (prefs.ShowLabels) {
        axes.Flags |= kLabelBits;
    }
    const AxesLabels labels = ComputeAxesLabels(channel, params.ZRange, params.ZOffset, params.ZScale);
    axes.XTickCount = static_cast<std::uint16_t>(labels.x.count);
    axes.XTickStep = labels.x.step;
    axes.XDecimals = static_cast<std::int16_t>(labels.x.decimals);
    axes.YTickCount = static_cast<std::uint16_t>(labels.y.count);
    axes.YTickStep = labels.y.step;
    axes.YDecimals = static_cast<std::int16_t>(labels.y.decimals);
    axes.ZTickCount = static_cast<std::int16_t>(labels.z.count);
    axes.ZTickStep = labels.z.step;
    axes.ZDecimals = static_cast<std::int16_t>(labels.z.decimals);
    axes.ZLabelRange = labels.zLabelRange;
    axes.ZLabelOffset = labels.zLabelOffset;
    CopyUnit(axes.XUnitText, labels.xUnit);
    CopyUnit(axes.YUnitText, labels.yUnit);
    CopyUnit(axes.ZUnitText, labels.zUnit);
    Facade().SetAxesOptions(mesh, axes);
    // The surface is laid out in label units from 0; its heights stay in the channel's unit.
    params.XOffset = 0;
    params.XExtent = labels.xExtent;
    params.YOffset = 0;
    params.YExtent = labels.yExtent;
    return Facade().SetMeshParams(mesh, params);
}

bool ViewController::ApplyPalette(RenderHandle mesh, int index) {
    if (mesh == nullptr) {
        return false;
    }
    CColorTableHandler tables;
    tables.invert = prefs.InvertPalette;
    tables.negative = prefs.NegativePalette;
    std::vector<std::uint32_t> entries;
    const int count = tables.AllocEntries(index, &entries);
    Facade().SetColorTable(index, entries.data(), count);
    return Facade().SetMeshColorTable(mesh, index, true);
}

bool ViewController::SetPalette(int index) {
    EndMotion();
    if (overlayMesh != nullptr) {
        ApplyPalette(overlayMesh, index);
        ApplyPalette(mainMesh, index);
        Facade().SetOverlayMesh(mainMesh, overlayMesh);
        mainPalette = index;
        overlayPalette = index;
    } else if (mainMesh != nullptr) {
        ApplyPalette(mainMesh, index);
        mainPalette = index;
    } else {
        return false;
    }
    if (paletteHook) {
        paletteHook(mainPalette);
    }
    return true;
}

bool ViewController::SetOverlayPalette(int index) {
    EndMotion();
    if (overlayMesh == nullptr) {
        return false;
    }
    ApplyPalette(overlayMesh, index);
    overlayPalette = index;
    return true;
}

bool ViewController::SelectOverlayChannel(int index) {
    EndMotion();
    if (index < 0) {
        if (overlayMesh == nullptr) {
            return false;
        }
        Facade().SetOverlayMesh(mainMesh, nullptr);
        Facade().ReleaseMesh(overlayMesh);
        overlayMesh = nullptr;
        return true;
    }
    if (reader == nullptr || reader->GetChannel(index) == nullptr) {
        return false;
    }
    if (overlayMesh != nullptr) {
        Facade().SetOverlayMesh(mainMesh, nullptr);
        Facade().ReleaseMesh(overlayMesh);
    }
    overlayMesh = CreateChannelMesh(index, true);
    overlayChannel = index;
    SetOverlayPalette(mainPalette);
    return Facade().SetOverlayMesh(mainMesh, overlayMesh);
}

void ViewController::SaveRange(RenderHandle mesh, std::vector<SavedRange>& ranges, int channel,
                               const MeshParams& params) {
    EndMotion();
    const std::size_t slot = static_cast<std::size_t>(channel);
    if (slot < ranges.size()) {
        ranges[slot] = {true, params.ZRange, params.ZOffset, params.ZScale};
    }
    Facade().SetMeshParams(mesh, params);
    if (const CIBWChannel* shown = reader == nullptr ? nullptr : reader->GetChannel(channel)) {
        SetupAxes(*shown, mesh);
    }
}

void ViewController::SaveMainRange(const MeshParams& params) {
    if (mainMesh != nullptr) {
        SaveRange(mainMesh, mainRanges, mainChannel, params);
    }
}

void ViewController::SaveOverlayRange(const MeshParams& params) {
    if (overlayMesh != nullptr) {
        SaveRange(overlayMesh, overlayRanges, overlayChannel, params);
    }
}

const CIBWChannel* ViewController::GetCurrentChannel() const {
    return reader == nullptr ? nullptr : reader->GetChannel(mainChannel);
}

const CIBWChannel* ViewController::GetOverlayChannel() const {
    return reader == nullptr || overlayMesh == nullptr ? nullptr : reader->GetChannel(overlayChannel);
}

std::string ViewController::GetZUnit() const {
    const CIBWChannel* channel = GetCurrentChannel();
    return channel == nullptr ? std::string() : channel->zUnit;
}

void ViewController::MouseDown(int button, unsigned keyFlags, int x, int y) {
    (void)button;
    (void)keyFlags;
    pressX = x;
    pressY = y;
    ReadViewState(pressState);
}

bool ViewController::MouseUp(int button, unsigned keyFlags, int x, int y) {
    (void)button;
    (void)keyFlags;
    pressX = x;
    pressY = y;
    return EndMotion();
}

bool ViewController::MouseDrag(int button, unsigned keyFlags, int x, int y) {
    ViewState state = pressState;
    const bool changed = ApplyDrag(state, button, keyFlags, x - pressX, y - pressY);
    if (changed) {
        BeginMotion();
        SetViewState(state);
    }
    if (changeHook) {
        changeHook();
    }
    return changed;
}

void ViewController::Wheel(int flag, unsigned keyFlags, float steps, int x, int y) {
    (void)keyFlags;
    (void)x;
    (void)y;
    if (flag != 0) {
        return;
    }
    BeginMotion();
    ViewState state;
    ReadViewState(state);
    ApplyWheel(state, steps);
    SetViewState(state);
    if (changeHook) {
        changeHook();
    }
}

bool ViewController::ReadViewState(ViewState& out) const {
    return context != nullptr && Facade().GetViewState(context, out);
}

void ViewController::WriteViewState(const ViewState& state) {
    SetViewState(state);
}

void ViewController::SetTextFlags(int bits) {
    ViewState state;
    ReadViewState(state);
    textFlags = bits;
    SetViewState(state);
}

void ViewController::ApplyPreferences(const ViewerPreferences& next) {
    EndMotion();
    ViewState state;
    if (ReadViewState(state)) {
        state.Projection = next.OrthoProjection ? 1 : 0;
        state.ShowColorbar = next.ShowColorbar;
        state.ShowLights = next.ShowLights;
        state.BackColor = next.BackColor;
        state.LightColor = next.LightColor;
        state.OnscreenTextColor = next.OnscreenTextColor;
        state.Anaglyph = next.Anaglyph;
        SetViewState(state);
    }
    if (mainMesh == nullptr) {
        prefs = next;
        return;
    }
    MeshParams params;
    Facade().GetMeshParams(mainMesh, params);
    params.SpecularFactor = next.SpecularFactor;
    params.ZClamp = EffectiveClipMode(next) == 1 ? 1 : 0;
    params.ZClip = EffectiveClipMode(next) == 2 ? 1 : 0;
    params.Specular = next.SpecularEnabled ? 1 : 0;
    params.NaNColor = next.NaNColor;
    const CIBWChannel* channel = GetCurrentChannel();
    if (next.ZAspect1To1 && channel != nullptr && !prefs.ZAspect1To1 && channel->xExtent != 0) {
        params.ZScale = params.ZRange / static_cast<float>(channel->xExtent);
    }
    Facade().SetMeshParams(mainMesh, params);
    AxesOptions axes;
    axes.Size = sizeof(AxesOptions);
    Facade().GetAxesOptions(mainMesh, axes);
    SetBit(axes.Flags, AxesBoundingBox, next.ShowBoundingBox);
    axes.Flags =
        static_cast<std::uint16_t>(next.ShowLabels ? (axes.Flags | kLabelBits) : (axes.Flags & kLabelMask));
    SetBit(axes.ZOptions, kAxesAbsoluteZ, next.AbsoluteZ);
    axes.Flags |= AxesAutoLabelColor;
    Facade().SetAxesOptions(mainMesh, axes);
    if (overlayMesh != nullptr && Facade().GetAxesOptions(overlayMesh, axes)) {
        SetBit(axes.ZOptions, kAxesAbsoluteZ, next.AbsoluteZOverlay);
        Facade().SetAxesOptions(overlayMesh, axes);
    }
    const bool recolour = next.NegativePalette != prefs.NegativePalette ||
                          next.InvertPalette != prefs.InvertPalette || next.Anaglyph != prefs.Anaglyph;
    prefs = next;
    if (recolour) {
        SetPalette(mainPalette);
    }
}

bool ViewController::GetMainMeshParams(MeshParams& out) const {
    return mainMesh != nullptr && Facade().GetMeshParams(mainMesh, out);
}

bool ViewController::GetOverlayMeshParams(MeshParams& out) const {
    return overlayMesh != nullptr && Facade().GetMeshParams(overlayMesh, out);
}

void ViewController::SetChangeHook(std::function<void()> hook) {
    changeHook = std::move(hook);
}

void ViewController::SetPaletteHook(std::function<void(int)> hook) {
    paletteHook = std::move(hook);
}

bool ViewController::ExportMeshStl(const std::string& path, bool withColor, std::string* error) {
    return Facade().ExportStl(path, mainMesh, true, withColor, error);
}

bool ViewController::ExportMeshVrml(const std::string& path, std::string* error) {
    return Facade().ExportVrml(path, mainMesh, error);
}

std::vector<std::uint8_t> ViewController::RenderBitmap(int width, int height) {
    if (context == nullptr) {
        return {};
    }
    EndMotion();
    ContextInfo info;
    Facade().GetContextInfo(context, info);
    RenderHandle memory = Facade().CreateMemoryContext(info.Window, nullptr);
    if (memory == nullptr) {
        return {};
    }
    Facade().ShareScene(memory, context);
    std::vector<std::uint8_t> dib = Facade().RenderToDib(memory, width, height, true);
    Facade().UnshareScene(memory);
    Facade().ReleaseContext(memory);
    return dib;
}

void ViewController::BeginMotion() {
    if (!prefs.ReduceWhileMoving || mainMesh == nullptr) {
        return;
    }
    const MeshGridSize wanted = detail.MovingSize(mainSize);
    // Started, or resized only when the frames tell of a clearly different budget: each new mesh
    // costs a build.
    const auto near = [](int a, int b) { return std::abs(a - b) * 4 <= b; };
    if (InMotion() && near(wanted.columns, movingSize.columns) && near(wanted.rows, movingSize.rows)) {
        return;
    }
    EndMotion();
    if (wanted.columns == mainSize.columns && wanted.rows == mainSize.rows) {
        return;
    }
    movingMesh = CreateMovingMesh(mainMesh, mainChannel, wanted);
    if (movingMesh == nullptr) {
        return;
    }
    Facade().SetMeshColorTable(movingMesh, mainPalette, true);
    if (overlayMesh != nullptr) {
        movingOverlay = CreateMovingMesh(overlayMesh, overlayChannel, wanted);
        if (movingOverlay != nullptr) {
            Facade().SetMeshColorTable(movingOverlay, overlayPalette, true);
            Facade().SetOverlayMesh(movingMesh, movingOverlay);
        }
    }
    movingSize = wanted;
    Facade().RemoveMeshFromScene(context, mainMesh);
    Facade().AddMeshToScene(context, movingMesh);
}

bool ViewController::EndMotion() {
    if (movingMesh == nullptr) {
        return false;
    }
    // ReleaseMesh takes the moving mesh out of the scene.
    ReleaseMesh(movingOverlay);
    ReleaseMesh(movingMesh);
    Facade().AddMeshToScene(context, mainMesh);
    return true;
}

// The same channel, record and axes as `full`, sampled from the channel's data the way
// decimation samples it.
RenderHandle ViewController::CreateMovingMesh(RenderHandle full, int channel, MeshGridSize size) const {
    const CIBWChannel* shown = reader == nullptr ? nullptr : reader->GetChannel(channel);
    MeshParams params;
    AxesOptions axes;
    axes.Size = sizeof(AxesOptions);
    if (shown == nullptr || !Facade().GetMeshParams(full, params) || !Facade().GetAxesOptions(full, axes)) {
        return nullptr;
    }
    RenderHandle mesh = Facade().CreateDecimatedMesh(shown->columns, shown->rows, size.columns, size.rows);
    if (mesh == nullptr) {
        return nullptr;
    }
    Facade().SetMeshParams(mesh, params);
    Facade().SetAxesOptions(mesh, axes);
    Facade().LoadMeshData(mesh, shown->data, shown->points);
    return mesh;
}
