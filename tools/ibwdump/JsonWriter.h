// A small JSON text builder: objects, arrays, escaped Windows-1252 texts written as UTF-8, and
// numbers that read back exactly (non-finite numbers become null).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray(bool oneLine = false); // oneLine: items on the opening line, for short number lists
    void EndArray();
    void Key(const std::string& key);
    void String(const std::string& text);
    void Int(long long value);
    void Double(double value);
    void Float(float value); // shortest form that reads back as the same float
    void Null();

    const std::string& Text() const { return m_text; }

private:
    void BeforeValue();
    void NewLine();

    std::string m_text;
    struct Container {
        bool hasItems = false;
        bool oneLine = false;
    };
    std::vector<Container> m_open;
    bool m_afterKey = false;
};

// Windows-1252 bytes as a quoted, escaped JSON string.
std::string JsonQuote(const std::string& text);
