#include "shellext/ColumnText.h"

#include "shellext/CIBWPreview.h"
#include "shellext/LoadShellNote.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr ColumnSpec kColumns[kColumnCount] = {
    {2000, 2020, "Scan Size(QV)", "Provides Scan Size value contained in IBW files", 16, true, "ScanSize",
     "ForceDist", ColumnFormat::Length},
    {2001, 2021, "Direction(QV)", "Provides Scan Down value contained in IBW files which indicates direction",
     16, false, "ScanDown", "ForceDistSign", ColumnFormat::Direction},
    {2002, 2022, "Mode(QV)", "Provides Image Mode value contained in IBW files", 16, false, "ImagingMode",
     "IsTriggered", ColumnFormat::Mode},
    {2003, 2023, "Points(QV)", "Provides Scan Pts value contained in IBW files", 16, true, "ScanPoints",
     "NumPtsPerWave", ColumnFormat::Text},
    // The channel column's description is its title.
    {2004, 2004, "Channels(QV)", "Channels(QV)", 16, true, nullptr, nullptr, ColumnFormat::ChannelCount},
};

} // namespace

const ColumnSpec* ColumnAt(int pid) {
    if (pid < 0 || pid >= kColumnCount) {
        return nullptr;
    }
    return &kColumns[pid];
}

const char* ColumnKey(const ColumnSpec& column, int trailerKind) {
    if (trailerKind == 1) {
        return column.imageKey;
    }
    if (trailerKind == 2) {
        return column.forceKey;
    }
    return nullptr;
}

std::string FormatColumnValue(ColumnFormat format, const std::string& value) {
    // 31 characters and the terminator: longer texts are cut.
    char text[32] = {};
    switch (format) {
    case ColumnFormat::Length:
        std::snprintf(text, sizeof(text), "%.03f %s", std::strtod(value.c_str(), nullptr) * 1000000.0f,
                      "\xB5m");
        break;
    case ColumnFormat::Direction:
        std::snprintf(text, sizeof(text), "%s", std::strtol(value.c_str(), nullptr, 10) == 0 ? "Up" : "Down");
        break;
    case ColumnFormat::Mode:
        std::snprintf(text, sizeof(text), "%s", std::strtol(value.c_str(), nullptr, 10) == 0 ? "DC" : "AC");
        break;
    case ColumnFormat::Text:
    case ColumnFormat::ChannelCount:
        std::snprintf(text, sizeof(text), "%s", value.c_str());
        break;
    }
    return text;
}

std::string ChannelCountText(int count) {
    char text[16] = {};
    std::snprintf(text, sizeof(text), "%d", count);
    return text;
}

std::string NoteColumnValue(const ColumnSpec& column, const CIBWNote& note) {
    if (column.format == ColumnFormat::ChannelCount) {
        return {};
    }
    const char* key = ColumnKey(column, note.trailerKind);
    return FormatColumnValue(column.format, key ? note.GetValue(key) : std::string());
}

std::string ColumnValueForFile(int pid, const std::filesystem::path& path) {
    const ColumnSpec* column = ColumnAt(pid);
    if (!column) {
        return {};
    }
    if (column->format == ColumnFormat::ChannelCount) {
        // The tail and the footer tell the count; no channel's data is read.
        CIBWPreview preview;
        preview.LoadFooter(path);
        return ChannelCountText(preview.GetChannelCount());
    }
    // Unparsed: the lookup searches the raw note text.
    return NoteColumnValue(*column, LoadShellNote(path, false));
}
