// Small registry helpers for registration: reading a default value, telling whether a key exists
// or holds anything, and keeping the first error of a run that goes on past failures.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

LONG SetString(HKEY key, const wchar_t* name, const std::wstring& value);
// The key's value (default when name is empty) as text; none when the key or value is missing or
// is no text.
std::optional<std::wstring> ReadString(HKEY root, const std::wstring& key, const wchar_t* name = nullptr);
bool KeyExists(HKEY root, const std::wstring& key);
bool HasSubkeys(HKEY root, const std::wstring& key);
bool IsEmptyKey(HKEY root, const std::wstring& key); // no subkeys and no values
// Deletes a key without subkeys; one already gone is no failure.
LONG DeleteEmptyKey(HKEY root, const std::wstring& key);

// The first failure of several steps that all run.
class CFirstError {
public:
    void Note(HRESULT hr) {
        if (SUCCEEDED(m_first) && FAILED(hr)) {
            m_first = hr;
        }
    }
    // A registry status; a key or value already gone counts as done.
    void NoteStatus(LONG status) {
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
            Note(HRESULT_FROM_WIN32(status));
        }
    }
    HRESULT Result() const { return m_first; }

private:
    HRESULT m_first = S_OK;
};
