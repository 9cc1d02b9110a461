// The property handler's answers read back: the five properties' keys (the format identifier and
// property ids the schema names, fixed here rather than taken from the DLL) and their values.
#pragma once

#include "tests/shellext_win/TestContext.h"

#include <propsys.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

// Empty: the property has no value; else a number, a text or a count.
using PropertyValue = std::variant<std::monostate, double, std::wstring, unsigned long>;

struct StoreValues {
    HRESULT result = E_FAIL;           // the first failing call, else S_OK
    std::vector<PropertyValue> values; // scan size, direction, mode, points, channels
    std::vector<PROPERTYKEY> keys;     // as GetCount and GetAt list them
};

PROPERTYKEY IbwPropertyKey(int index); // 0..4
StoreValues ReadStore(IPropertyStore* store);
std::string Describe(const PropertyValue& value);
