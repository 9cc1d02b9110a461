#include "app/QV3DViewer/batch/BatchExport.h"

#include "app/QV3DViewer/batch/BatchOptions.h"
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"
#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/output/DibImage.h"
#include "app/QV3DViewer/document/EqualsNoCase.h"
#include "app/QV3DViewer/output/ImageFormats.h"
#include "app/QV3DViewer/Version.h"
#include "app/QV3DViewer/view/ViewController.h"
#include "app/QV3DViewer/output/ViewExport.h"
#include "app/QV3DViewer/output/WriteImageFile.h"
#include "render/HeadlessPlatform.h"
#include "base/Windows1252.h"

#include <QGuiApplication>
#include <QWindow>

#include <cstdio>

namespace {

void Say(const QString& message) {
    std::fprintf(stderr, "vistrel-light: %s\n", message.toLocal8Bit().constData());
}

int Fail(const QString& message, int status) {
    Say(message);
    return status;
}

QString ChannelName(const CIBWReader& reader, int index) {
    const CIBWChannel* channel = reader.GetChannel(index);
    return channel == nullptr
               ? QString()
               : QString::fromStdString(Windows1252ToUtf8(channel->name, Undefined1252::C1Control));
}

// A channel by index from 0 or by name (exact first, then ignoring case); -1 when there is none.
int FindChannel(const CIBWReader& reader, const QString& text) {
    bool isNumber = false;
    const int index = text.toInt(&isNumber);
    if (isNumber) {
        return reader.GetChannel(index) != nullptr ? index : -1;
    }
    for (int i = 0; i < reader.channelCount; ++i) {
        if (ChannelName(reader, i) == text) {
            return i;
        }
    }
    for (int i = 0; i < reader.channelCount; ++i) {
        if (EqualsNoCase(ChannelName(reader, i).toStdString(), text.toStdString())) {
            return i;
        }
    }
    return -1;
}

QString UnknownChannel(const CIBWReader& reader, const QString& text) {
    QStringList names;
    for (int i = 0; i < reader.channelCount; ++i) {
        names << QStringLiteral("%1 %2").arg(i).arg(ChannelName(reader, i));
    }
    return QStringLiteral("unknown channel '%1'; the file has %2")
        .arg(text, names.join(QStringLiteral(", ")));
}

class BatchRun {
public:
    explicit BatchRun(const BatchOptions& options_) : options(options_) {}
    int Run();

private:
    int Prepare();
    int ExportImage();
    int ExportMeshes();

    const BatchOptions& options;
    CQV3DViewerDoc document;
    QWindow window; // holds the GL context; never shown
    ViewController controller;
    int channel = 0;
    bool drawn = false;
};

int BatchRun::Run() {
    if (const int status = Prepare(); status != kBatchOk) {
        return status;
    }
    if (const int status = ExportImage(); status != kBatchOk) {
        return status;
    }
    return ExportMeshes();
}

int BatchRun::Prepare() {
    CIBWReader& reader = document.GetReader();
    if (!document.OnOpenDocument(options.file.toStdString())) {
        const std::string& reason = document.RefusalReason();
        return Fail(QStringLiteral("cannot show '%1': %2")
                        .arg(options.file,
                             QString::fromStdString(reason.empty() ? "it could not be opened" : reason)),
                    kBatchFailed);
    }
    if (reader.GetChannel(0) == nullptr) {
        return Fail(QStringLiteral("'%1' holds no image channel").arg(options.file), kBatchFailed);
    }
    if (!reader.SpacingNote().empty()) {
        Say(QStringLiteral("'%1': %2").arg(options.file, QString::fromStdString(reader.SpacingNote())));
    }
    channel = options.channel.isEmpty() ? 0 : FindChannel(reader, options.channel);
    if (channel < 0) {
        return Fail(UnknownChannel(reader, options.channel), kBatchFailed);
    }
    const int overlay = options.overlay.isEmpty() ? -1 : FindChannel(reader, options.overlay);
    if (!options.overlay.isEmpty() && overlay < 0) {
        return Fail(UnknownChannel(reader, options.overlay), kBatchFailed);
    }
    window.resize(options.width, options.height);
    if (!controller.AttachWindow(&window)) {
        return Fail(QStringLiteral("no OpenGL context could be made"), kBatchFailed);
    }
    ViewController::RegisterColourTables();
    if (!controller.SelectChannel(&reader, channel) || controller.MainMesh() == nullptr) {
        return Fail(QStringLiteral("channel %1 of '%2' cannot be shown").arg(channel).arg(options.file),
                    kBatchFailed);
    }
    if (overlay >= 0) {
        controller.SelectOverlayChannel(overlay);
    }
    if (options.palette >= 0) {
        controller.SetPalette(options.palette);
    }
    ViewState state;
    controller.ReadViewState(state);
    state.Rotate = options.rotate.value_or(state.Rotate);
    state.Pitch = options.pitch.value_or(state.Pitch);
    state.Zoom = options.zoom.value_or(state.Zoom);
    controller.WriteViewState(state);
    return kBatchOk;
}

int BatchRun::ExportImage() {
    if (options.imagePath.isEmpty()) {
        return kBatchOk;
    }
    if (!HasImageEncoder(options.imageFormat)) {
        return Fail(QStringLiteral("no encoder for %1 is installed")
                        .arg(QString::fromLatin1(ImageFormatForIndex(options.imageFormat).label)),
                    kBatchFailed);
    }
    const QImage image = DibToImage(controller.RenderBitmap(options.width, options.height));
    if (image.isNull()) {
        return Fail(
            QStringLiteral("the view could not be rendered at %1x%2").arg(options.width).arg(options.height),
            kBatchFailed);
    }
    drawn = true;
    QString error;
    if (!WriteImageFile(image, options.imagePath, options.imageFormat, error)) {
        return Fail(QStringLiteral("cannot write '%1': %2").arg(options.imagePath, error), kBatchFailed);
    }
    return kBatchOk;
}

int BatchRun::ExportMeshes() {
    // The solids are taken from the mesh as it was last drawn.
    constexpr int kDrawSide = 16;
    if (!drawn && (!options.stlPath.isEmpty() || !options.vrmlPath.isEmpty())) {
        controller.RenderBitmap(kDrawSide, kDrawSide);
    }
    const std::pair<ViewExportKind, const QString*> exports[] = {{ViewExportKind::Stl, &options.stlPath},
                                                                 {ViewExportKind::Vrml, &options.vrmlPath},
                                                                 {ViewExportKind::Ascii, &options.itxPath}};
    for (const auto& [kind, path] : exports) {
        std::string error;
        if (!path->isEmpty() &&
            !WriteViewExport(kind, controller, document.GetReader(), path->toStdString(), &error)) {
            return Fail(QStringLiteral("cannot write '%1': %2").arg(*path, QString::fromStdString(error)),
                        kBatchFailed);
        }
    }
    return kBatchOk;
}

} // namespace

int RunBatch(int& argc, char** argv, const BatchOptions& options) {
    switch (options.mode) {
    case BatchOptions::help: {
        const QCoreApplication app(argc, argv);
        std::fputs(BatchHelpText().toLocal8Bit().constData(), stdout);
        return kBatchOk;
    }
    case BatchOptions::version:
        std::printf("%s %s\n", kAppTitle, kFileVersion);
        return kBatchOk;
    case BatchOptions::usageError:
        return Fail(options.error, kBatchUsage);
    case BatchOptions::gui:
    case BatchOptions::run:
        break;
    }
    // The batch mode shows no window, so it needs no display: servers and containers have none,
    // ssh or tmux sessions may name one that is gone, and a busy one may refuse the connection
    // after answering. Its memory contexts draw through EGL, where EGL can draw without one.
    if (!DrawWithoutAnyDisplay()) {
        ForgetUnreachableDisplays();
        UseOffscreenPlatformWithoutDisplay();
    }
    const QGuiApplication app(argc, argv);
    CQV3DViewerApp::SetStoreNames();
    CQV3DViewerApp::LoadPreferences();
    BatchRun run(options);
    return run.Run();
}
