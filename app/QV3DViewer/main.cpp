// vistrel-light: starts the viewer on the file named on the command line, or empty.
#include "app/QV3DViewer/CQV3DViewerApp.h"

#include <QSurfaceFormat>

int main(int argc, char** argv) {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(1);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(format);

    CQV3DViewerApp app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString file = args.size() > 1 ? args.at(1) : QString();
    if (!app.InitInstance(file)) {
        return 1;
    }
    return app.exec();
}
