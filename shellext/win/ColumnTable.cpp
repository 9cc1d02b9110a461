#include "shellext/win/ColumnTable.h"

#include "shellext/win/ResourceIds.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr ColumnSpec kColumns[kColumnCount] = {
    {IDS_COLUMN_TITLE_FIRST + 0, IDS_COLUMN_DESCRIPTION_FIRST + 0, 16, LVCFMT_RIGHT, "ScanSize", "ForceDist",
     ColumnFormat::Length},
    {IDS_COLUMN_TITLE_FIRST + 1, IDS_COLUMN_DESCRIPTION_FIRST + 1, 16, LVCFMT_LEFT, "ScanDown",
     "ForceDistSign", ColumnFormat::Direction},
    {IDS_COLUMN_TITLE_FIRST + 2, IDS_COLUMN_DESCRIPTION_FIRST + 2, 16, LVCFMT_LEFT, "ImagingMode",
     "IsTriggered", ColumnFormat::Mode},
    {IDS_COLUMN_TITLE_FIRST + 3, IDS_COLUMN_DESCRIPTION_FIRST + 3, 16, LVCFMT_RIGHT, "ScanPoints",
     "NumPtsPerWave", ColumnFormat::Text},
    // The channel column's description is its title.
    {IDS_COLUMN_TITLE_FIRST + 4, IDS_COLUMN_TITLE_FIRST + 4, 16, LVCFMT_RIGHT, nullptr, nullptr,
     ColumnFormat::ChannelCount},
};

} // namespace

const ColumnSpec& ColumnAt(int pid) {
    return kColumns[pid];
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
