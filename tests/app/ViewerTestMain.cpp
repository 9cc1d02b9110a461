// One application object for all window tests, with a settings store of its own.
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSurfaceFormat>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

int main(int argc, char** argv) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("viewer_tests_" + std::to_string(getpid()));
    std::filesystem::create_directories(home);
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 0);
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(1);
    QSurfaceFormat::setDefaultFormat(format);
    CQV3DViewerApp app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(home);
    return result;
}
