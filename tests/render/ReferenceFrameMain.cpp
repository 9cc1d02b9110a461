// render_reference_frame OUT.bmp: draws the reference frame in a memory context and writes it;
// exit 1 when there is no GL context. Started without a display by the comparison test.
#include "ReferenceScene.h"

#include "render/HeadlessPlatform.h"

#include <QGuiApplication>

#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    UseOffscreenPlatformWithoutDisplay();
    QGuiApplication app(argc, argv);
    const std::vector<std::uint8_t> dib = DrawReferenceScene(320, 240);
    if (dib.empty())
        return 1;
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(dib.data()), static_cast<std::streamsize>(dib.size()));
    return out.good() ? 0 : 1;
}
