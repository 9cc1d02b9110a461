#include "ui/NoteClipboardText.h"

std::string NoteClipboardText(const CIBWNote& note) {
    std::string text;
    for (const auto& [key, value] : note.pairs) {
        text += key + ": " + value + "\r\n";
    }
    return text;
}
