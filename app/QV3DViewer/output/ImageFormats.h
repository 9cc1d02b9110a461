// The picture formats of Export..., in the order of the save dialog's filter list, and the rule
// that turns a chosen name into the written path.
#pragma once

#include <QString>

#include <array>

struct ImageFormat {
    int index;                // the filter's 1-based position in the dialog
    const char* label;        // the filter's text
    const char* pattern;      // files listed under the filter
    const char* extension;    // appended when the chosen path lacks it
    const char* writerFormat; // QImageWriter's name for the encoder
};

const std::array<ImageFormat, 4>& ImageFormats();
// Any index outside 1..4 is JPEG.
const ImageFormat& ImageFormatForIndex(int index);
// The filter list as Qt's file dialog takes it.
QString ImageFilterList();
// The entry of ImageFilterList() as text, for selecting or reading back the dialog's filter.
QString ImageFilterText(int index);
// The format of a filter text of the dialog; 1 (JPEG) when it is none of ours.
int ImageFormatForFilter(const QString& filter);
// The chosen path unchanged when the format's extension occurs anywhere in it (case-sensitive),
// otherwise with the extension appended.
QString ApplyImageExtension(const QString& path, int index);
// The format named by a path's extension (case-insensitive; .jpeg and .tiff too); 0 when none.
int ImageFormatForPath(const QString& path);
