// A GUI application must exist before any GL context; xcb is the platform that gives one
// under Xvfb. Without a display the GL tests skip themselves.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const char* display = std::getenv("DISPLAY");
    qputenv("QT_QPA_PLATFORM", display != nullptr && *display != '\0' ? "xcb" : "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
