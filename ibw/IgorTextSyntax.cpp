#include "ibw/IgorTextSyntax.h"

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsStandardNameCharacter(char c) {
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

bool IsStandardName(const std::string& name) {
    if (name.empty() || !IsAsciiLetter(name.front())) {
        return false;
    }
    for (char c : name) {
        if (!IsStandardNameCharacter(c)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string IgorWaveNameInCommand(const std::string& name) {
    if (IsStandardName(name)) {
        return name;
    }
    std::string quoted = "'";
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool refused = c == '\'' || c == '"' || c == ':' || c == ';' || byte < 0x20 || byte == 0x7F;
        quoted += refused ? '_' : c;
    }
    return quoted + "'";
}

std::string IgorStringContents(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}
