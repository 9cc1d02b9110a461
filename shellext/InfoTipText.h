// The five-line info tip of an .ibw file: each column's title, a tab, its value and a line feed.
#pragma once

#include "ibw/CIBWNote.h"

#include <optional>
#include <string>

class CIBWPreview;

// The tip text (Windows-1252) from a parsed note and the preview's channel count.
std::string InfoTipText(const CIBWNote& note, int channelCount);

// None when the preview has no descriptor or the note is missing or has no text.
std::optional<std::string> MakeInfoTip(const CIBWPreview& preview, const CIBWNote* note);
