// NoteClipboardText: a wave note as the text lines "key: value" + CR LF, in note order.
#pragma once

#include "ibw/CIBWNote.h"

#include <string>

std::string NoteClipboardText(const CIBWNote& note);
