// The five detail-view columns: their strings, layout, note keys and value formats.
#pragma once

#include <string>

enum class ColumnFormat { Length, Direction, Mode, Text, ChannelCount };

struct ColumnSpec {
    int titleId;       // string table
    int descriptionId; // string table
    int widthChars;
    int alignment; // LVCFMT_LEFT or LVCFMT_RIGHT
    const char* imageKey;
    const char* forceKey;
    ColumnFormat format;
};

inline constexpr int kColumnCount = 5;

const ColumnSpec& ColumnAt(int pid); // pid 0..4

// The value as shown (Windows-1252, at most 31 characters); the channel count is formatted by
// the caller.
std::string FormatColumnValue(ColumnFormat format, const std::string& value);

// The note key for the trailer kind (1 image, 2 force), null for any other kind.
const char* ColumnKey(const ColumnSpec& column, int trailerKind);
