#include "app/QV3DViewer/batch/BatchOptions.h"

#include "app/QV3DViewer/document/EqualsNoCase.h"
#include "app/QV3DViewer/output/ImageFormats.h"
#include "render/CColorTableHandler.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cmath>

namespace {

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")};
    QCommandLineOption version{QStringLiteral("version"), QStringLiteral("Show the program's version.")};
    QCommandLineOption image{QStringLiteral("export-image"),
                             QStringLiteral("Write the view as a picture; the extension (.png, .jpg, .tif "
                                            "or .bmp) picks the format. JPEG is written at quality 95."),
                             QStringLiteral("OUT")};
    QCommandLineOption stl{QStringLiteral("export-stl"),
                           QStringLiteral("Write the surface as a closed binary STL solid."),
                           QStringLiteral("OUT")};
    QCommandLineOption vrml{QStringLiteral("export-vrml"), QStringLiteral("Write the surface as VRML 2.0."),
                            QStringLiteral("OUT")};
    QCommandLineOption itx{QStringLiteral("export-itx"),
                           QStringLiteral("Write the channel as Igor text with the wave note; the wave is "
                                          "named after OUT's file name."),
                           QStringLiteral("OUT")};
    QCommandLineOption size{
        QStringLiteral("size"),
        QStringLiteral("Picture size in pixels, each side 1 to %1 (default 1024x768).").arg(kBatchMaxSide),
        QStringLiteral("WxH")};
    QCommandLineOption channel{QStringLiteral("channel"),
                               QStringLiteral("Channel to show, by index from 0 or by name (default 0)."),
                               QStringLiteral("N|NAME")};
    QCommandLineOption palette{QStringLiteral("palette"),
                               QStringLiteral("Colour table, by index 0 to 78 or by name (default: the "
                                              "channel's own or the preferences' table)."),
                               QStringLiteral("NAME|INDEX")};
    QCommandLineOption overlay{QStringLiteral("overlay"),
                               QStringLiteral("Colour the surface by this channel (index or name)."),
                               QStringLiteral("N")};
    QCommandLineOption rotate{QStringLiteral("rotate"), QStringLiteral("Rotation in degrees (default 0)."),
                              QStringLiteral("A")};
    QCommandLineOption pitch{QStringLiteral("pitch"), QStringLiteral("Elevation in degrees (default 30)."),
                             QStringLiteral("P")};
    QCommandLineOption zoom{QStringLiteral("zoom"),
                            QStringLiteral("Camera zoom, at least 0.1 (default: the preferences' zoom)."),
                            QStringLiteral("Z")};
};

void BuildParser(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(QStringLiteral(
        "Vistrel Light shows an Igor binary wave of a scanning-probe microscope as a 3D surface.\n"
        "With an --export option it writes the files and exits without showing a window; the view\n"
        "uses the saved preferences, as the viewer would. Exit status: 0 when every file was written,\n"
        "1 when the wave could not be read or a file not written, 2 for a wrong command line."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({options.help, options.version, options.image, options.stl, options.vrml, options.itx,
                       options.size, options.channel, options.palette, options.overlay, options.rotate,
                       options.pitch, options.zoom});
    parser.addPositionalArgument(QStringLiteral("FILE.ibw"), QStringLiteral("The wave file to show."));
}

BatchOptions Failed(const QString& message) {
    BatchOptions failed;
    failed.mode = BatchOptions::usageError;
    failed.error = message;
    return failed;
}

bool ParseSize(const QString& text, int& width, int& height) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return false;
    }
    width = match.captured(1).toInt();
    height = match.captured(2).toInt();
    return width >= 1 && height >= 1 && width <= kBatchMaxSide && height <= kBatchMaxSide;
}

// A colour table by index or by name (case-insensitive); -1 when there is none.
int ParsePalette(const QString& text) {
    bool isNumber = false;
    const int index = text.toInt(&isNumber);
    if (isNumber) {
        return index >= 0 && index < CColorTableHandler::GetTableCount() ? index : -1;
    }
    const std::string name = text.toStdString();
    for (int i = 0; i < CColorTableHandler::GetTableCount(); ++i) {
        if (EqualsNoCase(CColorTableHandler::GetName(i), name)) {
            return i;
        }
    }
    return -1;
}

bool ParseAngle(const QString& text, std::optional<float>& out) {
    bool ok = false;
    const float value = text.toFloat(&ok);
    if (!ok || !std::isfinite(value)) {
        return false;
    }
    out = value;
    return true;
}

bool HasLongOption(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(QStringLiteral("--")) || arguments[i] == QStringLiteral("-h")) {
            return true;
        }
    }
    return false;
}

} // namespace

BatchOptions ParseBatchOptions(const QStringList& arguments) {
    if (!HasLongOption(arguments)) {
        BatchOptions gui;
        gui.file = arguments.size() > 1 ? arguments[1] : QString();
        return gui;
    }
    const Options options;
    QCommandLineParser parser;
    BuildParser(parser, options);
    if (!parser.parse(arguments)) {
        return Failed(parser.errorText());
    }
    BatchOptions result;
    if (parser.isSet(options.help)) {
        result.mode = BatchOptions::help;
        return result;
    }
    if (parser.isSet(options.version)) {
        result.mode = BatchOptions::version;
        return result;
    }
    const QCommandLineOption* const single[] = {
        &options.image,   &options.stl,     &options.vrml,   &options.itx,   &options.size, &options.channel,
        &options.palette, &options.overlay, &options.rotate, &options.pitch, &options.zoom};
    for (const QCommandLineOption* option : single) {
        if (parser.values(*option).size() > 1) {
            return Failed(QStringLiteral("--%1 is given more than once").arg(option->names().constLast()));
        }
    }
    result.imagePath = parser.value(options.image);
    result.stlPath = parser.value(options.stl);
    result.vrmlPath = parser.value(options.vrml);
    result.itxPath = parser.value(options.itx);
    if (result.imagePath.isEmpty() && result.stlPath.isEmpty() && result.vrmlPath.isEmpty() &&
        result.itxPath.isEmpty()) {
        return Failed(QStringLiteral("nothing to export: give --export-image, --export-stl, --export-vrml or "
                                     "--export-itx with a file name"));
    }
    if (!result.imagePath.isEmpty()) {
        result.imageFormat = ImageFormatForPath(result.imagePath);
        if (result.imageFormat == 0) {
            return Failed(
                QStringLiteral("--export-image needs a .png, .jpg, .tif or .bmp file name, not '%1'")
                    .arg(result.imagePath));
        }
    }
    if (parser.isSet(options.size) && !ParseSize(parser.value(options.size), result.width, result.height)) {
        return Failed(QStringLiteral("--size needs WxH with each side from 1 to %1, not '%2'")
                          .arg(kBatchMaxSide)
                          .arg(parser.value(options.size)));
    }
    result.channel = parser.value(options.channel);
    result.overlay = parser.value(options.overlay);
    if (parser.isSet(options.palette)) {
        result.palette = ParsePalette(parser.value(options.palette));
        if (result.palette < 0) {
            return Failed(QStringLiteral("unknown colour table '%1': give an index from 0 to %2 or a name")
                              .arg(parser.value(options.palette))
                              .arg(CColorTableHandler::GetTableCount() - 1));
        }
    }
    const std::pair<const QCommandLineOption*, std::optional<float>*> numbers[] = {
        {&options.rotate, &result.rotate}, {&options.pitch, &result.pitch}, {&options.zoom, &result.zoom}};
    for (const auto& [option, out] : numbers) {
        if (parser.isSet(*option) && !ParseAngle(parser.value(*option), *out)) {
            return Failed(QStringLiteral("--%1 needs a number, not '%2'")
                              .arg(option->names().constFirst(), parser.value(*option)));
        }
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        return Failed(files.isEmpty() ? QStringLiteral("no wave file given")
                                      : QStringLiteral("only one wave file can be exported at a time"));
    }
    result.file = files.constFirst();
    result.mode = BatchOptions::run;
    return result;
}

QString BatchHelpText() {
    const Options options;
    QCommandLineParser parser;
    BuildParser(parser, options);
    return parser.helpText();
}
