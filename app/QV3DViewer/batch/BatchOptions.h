// The command line of the viewer's batch mode: exports of one wave file with no window shown.
// A command line without any "--" option starts the viewer as before.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct BatchOptions {
    enum Mode { gui, help, version, run, usageError };
    Mode mode = gui;
    QString error;       // mode usageError: the one line that says what is wrong
    QString file;        // the wave file; for gui, the file to open (may be empty)
    QString imagePath;   // --export-image
    int imageFormat = 0; // from the picture's extension (ImageFormats.h)
    QString stlPath;     // --export-stl
    QString vrmlPath;    // --export-vrml
    QString itxPath;     // --export-itx
    int width = 1024;    // --size
    int height = 768;
    QString channel;  // --channel: index or name; empty: channel 0
    int palette = -1; // --palette: colour-table index; -1: the channel's own choice
    QString overlay;  // --overlay: index or name; empty: none
    std::optional<float> rotate;
    std::optional<float> pitch;
    std::optional<float> zoom;
};

// `arguments` as in QCoreApplication::arguments(), the program first.
BatchOptions ParseBatchOptions(const QStringList& arguments);
// The --help text, every option with its meaning and the exit statuses.
QString BatchHelpText();

// Exit statuses of the batch mode.
inline constexpr int kBatchOk = 0;
inline constexpr int kBatchFailed = 1;
inline constexpr int kBatchUsage = 2;
// The largest side of a batch picture; larger frames would need gigabytes to render and encode.
inline constexpr int kBatchMaxSide = 8192;
