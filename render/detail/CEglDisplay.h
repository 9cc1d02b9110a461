// The process-wide EGL display on Mesa's surfaceless platform, for GL without any window
// system: its frame-buffer configuration and the master context every EGL context shares.
#pragma once

class CEglDisplay {
public:
    // Initialised at the first call; IsUsable() tells whether that worked.
    static CEglDisplay& Instance();

    CEglDisplay(const CEglDisplay&) = delete;
    CEglDisplay& operator=(const CEglDisplay&) = delete;
    virtual ~CEglDisplay() = default;

    // False when there is no surfaceless platform or the process is exiting: EGL is shut down
    // by an exit hook before the render registry's own teardown runs.
    bool IsUsable() const { return usable; }
    void* Display() const { return display; }
    // A compatibility-profile context sharing the master's lists and textures (unshared when
    // sharing is refused: `shared` says which); null on failure.
    void* CreateContext(bool* shared) const;
    void* Master() const { return master; }

private:
    CEglDisplay();
    static void ShutDown();

    void* display = nullptr;
    void* config = nullptr;
    void* master = nullptr;
    bool usable = false;
};
