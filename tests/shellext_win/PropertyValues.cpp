#include "tests/shellext_win/PropertyValues.h"

#include <cstdio>

PROPERTYKEY IbwPropertyKey(int index) {
    PROPERTYKEY key{};
    CLSIDFromString(L"{72EF7319-8B3F-4DA1-8B97-5D192DC2113E}", &key.fmtid);
    key.pid = static_cast<DWORD>(2 + index);
    return key;
}

StoreValues ReadStore(IPropertyStore* store) {
    StoreValues read;
    if (!store) {
        return read;
    }
    read.result = S_OK;
    DWORD count = 0;
    HRESULT hr = store->GetCount(&count);
    for (DWORD i = 0; SUCCEEDED(hr) && i < count; ++i) {
        PROPERTYKEY key{};
        hr = store->GetAt(i, &key);
        read.keys.push_back(key);
    }
    for (int i = 0; SUCCEEDED(hr) && i < 5; ++i) {
        PROPVARIANT value;
        PropVariantInit(&value);
        hr = store->GetValue(IbwPropertyKey(i), &value);
        if (value.vt == VT_R8) {
            read.values.emplace_back(value.dblVal);
        } else if (value.vt == VT_LPWSTR && value.pwszVal) {
            read.values.emplace_back(std::wstring(value.pwszVal));
        } else if (value.vt == VT_UI4) {
            read.values.emplace_back(value.ulVal);
        } else {
            read.values.emplace_back(std::monostate{});
        }
        PropVariantClear(&value);
    }
    read.result = hr;
    return read;
}

std::string Describe(const PropertyValue& value) {
    char text[64] = "empty";
    if (const double* number = std::get_if<double>(&value)) {
        std::snprintf(text, sizeof(text), "%.6g", *number);
    } else if (const std::wstring* words = std::get_if<std::wstring>(&value)) {
        return "'" + Narrow(*words) + "'";
    } else if (const unsigned long* count = std::get_if<unsigned long>(&value)) {
        std::snprintf(text, sizeof(text), "%lu", *count);
    }
    return text;
}
