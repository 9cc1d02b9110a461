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
    void BeginArray();
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
    std::vector<bool> m_hasItems; // per open container: has it an item already
    bool m_afterKey = false;
};

// Windows-1252 bytes as a quoted, escaped JSON string.
std::string JsonQuote(const std::string& text);
