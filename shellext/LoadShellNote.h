// The wave note of an IBW file as the shell extension reads it, through a byte source, so a
// stream the shell hands over gives the same note as the file's path: the headers are checked as
// the wave reader checks them, at most kShellNoteBytesMax of the note is read, and the trailer
// kind is taken from the last five bytes. Dimension labels are not read; the shell shows none.
#pragma once

#include "shellext/CByteSource.h"

#include "ibw/CIBWNote.h"

#include <filesystem>

// A file that is no version-5 wave, or whose note lies outside it, gives an empty note of
// trailer kind 0, as CIBWNote does.
CIBWNote LoadShellNote(CByteSource& file, bool parse);
CIBWNote LoadShellNote(const std::filesystem::path& path, bool parse);
