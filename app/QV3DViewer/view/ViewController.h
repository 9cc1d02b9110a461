// ViewController: owns every render object of the view (window context, main and overlay
// meshes), keeps the view's working copy of the preferences, turns channels into meshes and
// mouse input into view-state changes. All render work goes through the render facade.
#pragma once

#include "app/QV3DViewer/view/MotionDetail.h"
#include "render/CRenderFacade.h"
#include "ui/ViewerPreferences.h"

#include <functional>
#include <string>
#include <vector>

class CIBWReader;
struct CIBWChannel;

struct SavedRange {
    bool valid = false;
    float range = 0;  // MeshParams.ZRange
    float lower = 0;  // MeshParams.ZOffset
    float zScale = 0; // MeshParams.ZScale
};

class ViewController {
public:
    ViewController();
    virtual ~ViewController();
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    // Window and frame.
    bool AttachWindow(QWindow* window);
    void Release();
    void Draw(int width, int height);

    // Channels and colour tables.
    bool SelectChannel(CIBWReader* reader, int index);
    bool SelectOverlayChannel(int index); // negative removes the overlay
    bool SetPalette(int index);
    bool SetOverlayPalette(int index);
    static void RegisterColourTables();
    void SaveMainRange(const MeshParams& params);
    void SaveOverlayRange(const MeshParams& params);
    const CIBWChannel* GetCurrentChannel() const;
    const CIBWChannel* GetOverlayChannel() const;
    std::string GetZUnit() const;

    // Mouse. Buttons: 0 left, 1 right, 2 middle; key flags 0x04 Shift, 0x08 Ctrl.
    void MouseDown(int button, unsigned keyFlags, int x, int y);
    // True when the view must be drawn again (the full mesh is back).
    bool MouseUp(int button, unsigned keyFlags, int x, int y);
    bool MouseDrag(int button, unsigned keyFlags, int x, int y);
    void Wheel(int flag, unsigned keyFlags, float steps, int x, int y);
    // While the view moves the scene shows a reduced mesh of the same channel, sized from what
    // recent frames cost (a drag starts it, the release ends it; the view ends a wheel's).
    // EndMotion puts the full mesh back and is true when it did; pictures, prints and every
    // change of the scene end the motion first.
    bool EndMotion();
    bool InMotion() const { return movingMesh != nullptr; }
    // What recent frames cost, from which the moving mesh is sized.
    MotionDetail& FrameCosts() { return detail; }

    // State access.
    bool ReadViewState(ViewState& out) const;
    void WriteViewState(const ViewState& state);
    void SetTextFlags(int bits);
    int GetTextFlags() const { return textFlags; }
    ViewerPreferences GetPreferences() const { return prefs; }
    void ApplyPreferences(const ViewerPreferences& next);
    bool GetMainMeshParams(MeshParams& out) const;
    bool GetOverlayMeshParams(MeshParams& out) const;
    // Called after every mouse-drag or wheel step; empty removes it.
    void SetChangeHook(std::function<void()> hook);
    // Called with the table each time SetPalette changes it (the channel bar shows it).
    void SetPaletteHook(std::function<void(int)> hook);

    // Output.
    // False when nothing was written, with a one-line reason in `error` when given.
    bool ExportMeshStl(const std::string& path, bool withColor, std::string* error = nullptr);
    bool ExportMeshVrml(const std::string& path, std::string* error = nullptr);
    // An off-screen frame of the view as a bottom-up 24-bit bitmap; empty without a context.
    std::vector<std::uint8_t> RenderBitmap(int width, int height);

    int MainPalette() const { return mainPalette; }
    int OverlayPalette() const { return overlayPalette; }
    int MainChannel() const { return mainChannel; }
    RenderHandle Context() const { return context; }
    RenderHandle MainMesh() const { return mainMesh; }
    RenderHandle OverlayMesh() const { return overlayMesh; }
    RenderHandle MovingMesh() const { return movingMesh; }

private:
    RenderHandle CreateChannelMesh(int index, bool overlay);
    bool ApplyPalette(RenderHandle mesh, int index);
    bool SetupAxes(const CIBWChannel& channel, RenderHandle mesh);
    void SetViewState(ViewState state);
    void ReleaseMesh(RenderHandle& mesh);
    void BeginMotion();
    RenderHandle CreateMovingMesh(RenderHandle full, int channel, MeshGridSize size) const;
    void SaveRange(RenderHandle mesh, std::vector<SavedRange>& ranges, int channel, const MeshParams& params);

    ViewState pressState;
    int pressX = 0;
    int pressY = 0;
    int mainPalette = 0;
    int overlayPalette = 0;
    std::function<void()> changeHook;
    std::function<void(int)> paletteHook;
    ViewerPreferences prefs;
    RenderHandle context = nullptr;
    RenderHandle mainMesh = nullptr;
    RenderHandle overlayMesh = nullptr;
    std::vector<SavedRange> mainRanges;
    std::vector<SavedRange> overlayRanges;
    int rangeCapacity = 0;
    CIBWReader* reader = nullptr;
    int mainChannel = 0;
    int overlayChannel = 0;
    int textFlags = 0;
    MeshGridSize mainSize;
    MeshGridSize movingSize;
    MotionDetail detail;
    RenderHandle movingMesh = nullptr;
    RenderHandle movingOverlay = nullptr;
};
