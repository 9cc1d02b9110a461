// Process-wide engine data: the hidden master GL context whose lists and textures every
// render context shares (the shared fonts live there), and the count of its users.
#pragma once

class QOffscreenSurface;
class QOpenGLContext;

class CEngineMakerData {
public:
    static CEngineMakerData& Instance();

    CEngineMakerData() = default;
    CEngineMakerData(const CEngineMakerData&) = delete;
    CEngineMakerData& operator=(const CEngineMakerData&) = delete;
    virtual ~CEngineMakerData() = default;

    // The master context, created at the first call; null when it cannot be made.
    QOpenGLContext* Master();
    void AddUser() { ++users; }
    void RemoveUser() { --users; }
    int Users() const { return users; }
    // Releases the master context at process exit, while the GUI still exists.
    void Release();

private:
    QOffscreenSurface* surface = nullptr;
    QOpenGLContext* master = nullptr;
    int users = 0;
};
