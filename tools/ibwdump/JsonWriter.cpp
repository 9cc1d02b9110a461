#include "tools/ibwdump/JsonWriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Code points of Windows-1252 bytes 0x80-0x9F; 0 where the code page leaves a byte undefined.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The shortest %g text, from `fewest` to `most` digits, that reads back as the same value.
template <typename T, typename Narrow>
std::string ShortestText(T value, int fewest, int most, Narrow narrow) {
    char text[40];
    for (int digits = fewest; digits <= most; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (narrow(std::strtod(text, nullptr)) == value) {
            break;
        }
    }
    return text;
}

} // namespace

std::string JsonQuote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else if (c >= 0x80 && c < 0xA0) {
                // Undefined bytes keep their value as a code point, as Windows itself maps them.
                AppendUtf8(out, kCp1252High[c - 0x80] != 0 ? kCp1252High[c - 0x80] : c);
            } else {
                AppendUtf8(out, c);
            }
        }
    }
    return out + "\"";
}

void JsonWriter::NewLine() {
    m_text += '\n';
    m_text.append(2 * m_open.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_open.empty()) {
        return;
    }
    Container& c = m_open.back();
    if (c.hasItems) {
        m_text += c.oneLine ? ", " : ",";
    }
    if (!c.oneLine) {
        NewLine();
    }
    c.hasItems = true;
}

void JsonWriter::BeginObject() {
    BeforeValue();
    m_text += '{';
    m_open.push_back({});
}

void JsonWriter::EndObject() {
    Container c = m_open.back();
    m_open.pop_back();
    if (c.hasItems) {
        NewLine();
    }
    m_text += '}';
    if (m_open.empty()) {
        m_text += '\n';
    }
}

void JsonWriter::BeginArray(bool oneLine) {
    BeforeValue();
    m_text += '[';
    m_open.push_back({false, oneLine});
}

void JsonWriter::EndArray() {
    Container c = m_open.back();
    m_open.pop_back();
    if (c.hasItems && !c.oneLine) {
        NewLine();
    }
    m_text += ']';
}

void JsonWriter::Key(const std::string& key) {
    BeforeValue();
    m_text += JsonQuote(key) + ": ";
    m_afterKey = true;
}

void JsonWriter::String(const std::string& text) {
    BeforeValue();
    m_text += JsonQuote(text);
}

void JsonWriter::Int(long long value) {
    BeforeValue();
    m_text += std::to_string(value);
}

void JsonWriter::Double(double value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue();
    m_text += ShortestText(value, 15, 17, [](double v) { return v; });
}

void JsonWriter::Float(float value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue();
    m_text += ShortestText(value, 6, 9, [](double v) { return static_cast<float>(v); });
}

void JsonWriter::Null() {
    BeforeValue();
    m_text += "null";
}
