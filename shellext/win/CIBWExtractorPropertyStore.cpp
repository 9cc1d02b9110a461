// IPropertyStore: the five values of an .ibw file as typed, read-only properties, which Windows
// Vista and later show in Details view, the Details tab, the preview pane and tips, and sort as
// numbers. Read on first use from the stream or path the object was given.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/GuardedCall.h"
#include "shellext/win/PropertyKeys.h"

#include "shellext/CIBWPreview.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

bool Present(const IBWPropertyValues& values, int index) {
    switch (index) {
    case 0:
        return values.scanSizeMicrometres.has_value();
    case 1:
        return values.direction.has_value();
    case 2:
        return values.mode.has_value();
    case 3:
        return values.points.has_value();
    default:
        return values.channels.has_value();
    }
}

HRESULT TextValue(const std::string& text, PROPVARIANT* value) {
    // The texts are ASCII ("Up", "AC", ...).
    const std::wstring wide(text.begin(), text.end());
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc(bytes));
    if (!copy) {
        return E_OUTOFMEMORY;
    }
    std::memcpy(copy, wide.c_str(), bytes);
    value->vt = VT_LPWSTR;
    value->pwszVal = copy;
    return S_OK;
}

} // namespace

const IBWPropertyValues& CIBWExtractor::Properties() {
    if (!m_properties) {
        EnsureNote();
        CIBWPreview footer;
        footer.LoadFooter(OpenSource());
        m_properties = PropertyValues(*m_note, footer);
    }
    return *m_properties;
}

STDMETHODIMP CIBWExtractor::GetCount(DWORD* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    return GuardedCall([&] {
        for (int i = 0; i < kPropertyCount; ++i) {
            *count += Present(Properties(), i) ? 1 : 0;
        }
        return S_OK;
    });
}

STDMETHODIMP CIBWExtractor::GetAt(DWORD index, PROPERTYKEY* key) {
    if (!key) {
        return E_POINTER;
    }
    *key = PROPERTYKEY{};
    return GuardedCall([&]() -> HRESULT {
        DWORD seen = 0;
        for (int i = 0; i < kPropertyCount; ++i) {
            if (Present(Properties(), i) && seen++ == index) {
                *key = PropertyKeyAt(i);
                return S_OK;
            }
        }
        return E_INVALIDARG;
    });
}

STDMETHODIMP CIBWExtractor::GetValue(REFPROPERTYKEY key, PROPVARIANT* value) {
    if (!value) {
        return E_POINTER;
    }
    PropVariantInit(value);
    return GuardedCall([&]() -> HRESULT {
        // A key the file does not carry is an empty value, not an error.
        const int index = PropertyIndex(key);
        if (index < 0 || !Present(Properties(), index)) {
            return S_OK;
        }
        const IBWPropertyValues& values = Properties();
        switch (index) {
        case 0:
            value->vt = VT_R8;
            value->dblVal = *values.scanSizeMicrometres;
            return S_OK;
        case 1:
            return TextValue(*values.direction, value);
        case 2:
            return TextValue(*values.mode, value);
        case 3:
            value->vt = VT_UI4;
            value->ulVal = *values.points;
            return S_OK;
        default:
            value->vt = VT_UI4;
            value->ulVal = *values.channels;
            return S_OK;
        }
    });
}

STDMETHODIMP CIBWExtractor::SetValue(REFPROPERTYKEY, REFPROPVARIANT) {
    return STG_E_ACCESSDENIED;
}

STDMETHODIMP CIBWExtractor::Commit() {
    return STG_E_ACCESSDENIED;
}

STDMETHODIMP CIBWExtractor::IsPropertyWritable(REFPROPERTYKEY) {
    return S_FALSE;
}
