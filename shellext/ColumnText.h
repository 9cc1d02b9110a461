// The five detail-view columns of .ibw files: their texts, layout, note keys and value formats.
// Texts are Windows-1252; callers convert them for their platform.
#pragma once

#include "ibw/CIBWNote.h"

#include <filesystem>
#include <string>

enum class ColumnFormat { Length, Direction, Mode, Text, ChannelCount };

struct ColumnSpec {
    int titleId;             // string-table id of the title
    int descriptionId;       // string-table id of the description
    const char* title;       // the string of titleId
    const char* description; // the string of descriptionId
    int widthChars;
    bool alignRight;
    const char* imageKey; // note key of an image file ("KTZ9W" trailer), null for the channel count
    const char* forceKey; // note key of a force file ("Force" trailer), null for the channel count
    ColumnFormat format;
};

inline constexpr int kColumnCount = 5;

// pid 0..kColumnCount-1; null outside.
const ColumnSpec* ColumnAt(int pid);

// The note key for the trailer kind (1 image, 2 force), null for any other kind.
const char* ColumnKey(const ColumnSpec& column, int trailerKind);

// A note value as shown, at most 31 characters; the channel count is formatted by ChannelCountText.
std::string FormatColumnValue(ColumnFormat format, const std::string& value);

std::string ChannelCountText(int count);

// The column's note key for the note's trailer kind, looked up and formatted; a note of another
// kind gives the format of an empty value. The channel-count column gives an empty text.
std::string NoteColumnValue(const ColumnSpec& column, const CIBWNote& note);

// What the column shows for a file: the channel count from the preview footer, the others from
// the raw (unparsed) note. Only what the column needs is read. Empty for pid outside 0..4.
std::string ColumnValueForFile(int pid, const std::filesystem::path& path);
