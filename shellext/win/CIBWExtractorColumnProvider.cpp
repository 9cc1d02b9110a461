// IColumnProvider: the five detail-view columns of .ibw files, for shells before the property
// system (Windows 10 and 11 show the property handler's values instead).
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/FileKind.h"
#include "shellext/win/GuardedCall.h"
#include "shellext/win/Module.h"
#include "shellext/win/Utf16From1252.h"

#include "shellext/CIBWPreview.h"
#include "shellext/ColumnText.h"
#include "shellext/LoadShellNote.h"

#include <commctrl.h>
#include <oleauto.h>

#include <filesystem>

namespace {

// The version identifier of the platform's COM class library, used as the columns' format id.
constexpr GUID kColumnFormatId = {
    0x5DC0A9CA, 0x92A2, 0x4204, {0x90, 0x03, 0xE4, 0xCE, 0x5F, 0x11, 0xE1, 0xA8}};

} // namespace

STDMETHODIMP CIBWExtractor::Initialize(LPCSHCOLUMNINIT) {
    return S_OK;
}

STDMETHODIMP CIBWExtractor::GetColumnInfo(DWORD index, SHCOLUMNINFO* info) {
    if (index >= static_cast<DWORD>(kColumnCount)) {
        return S_FALSE;
    }
    if (!info) {
        return E_POINTER;
    }
    return GuardedCall([&] {
        const ColumnSpec& column = *ColumnAt(static_cast<int>(index));
        *info = SHCOLUMNINFO{};
        info->scid.fmtid = kColumnFormatId;
        info->scid.pid = index;
        info->vt = VT_LPSTR;
        info->fmt = column.alignRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
        info->cChars = static_cast<UINT>(column.widthChars);
        info->csFlags = SHCOLSTATE_TYPE_STR;
        // The string table holds UTF-16: no code page comes between.
        LoadStringW(ModuleInstance(), static_cast<UINT>(column.titleId), info->wszTitle, MAX_COLUMN_NAME_LEN);
        LoadStringW(ModuleInstance(), static_cast<UINT>(column.descriptionId), info->wszDescription,
                    MAX_COLUMN_DESC_LEN);
        return S_OK;
    });
}

STDMETHODIMP CIBWExtractor::GetItemData(LPCSHCOLUMNID column, LPCSHCOLUMNDATA data, VARIANT* value) {
    return GuardedCall([&]() -> HRESULT {
        if (!data || !IsExtension(data->pwszExt, L".ibw")) {
            return S_FALSE;
        }
        if (!column || !value) {
            return E_POINTER;
        }
        if (!IsEqualGUID(column->fmtid, kColumnFormatId) || column->pid >= static_cast<DWORD>(kColumnCount)) {
            return S_FALSE;
        }
        const ColumnSpec& columnSpec = *ColumnAt(static_cast<int>(column->pid));
        const std::filesystem::path path(data->wszFile);
        std::string text;
        if (columnSpec.format == ColumnFormat::ChannelCount) {
            // The tail and the footer give the count; no channel's data is read.
            CIBWPreview footer;
            footer.LoadFooter(path);
            text = ChannelCountText(footer.GetChannelCount());
        } else {
            // Unparsed: the lookup searches the raw note text.
            text = NoteColumnValue(columnSpec, LoadShellNote(path, false));
        }
        if (text.empty()) {
            return S_FALSE;
        }
        std::wstring wide = Utf16From1252(text);
        BSTR copy = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        if (!copy) {
            return E_OUTOFMEMORY;
        }
        VariantClear(value);
        value->vt = VT_BSTR;
        value->bstrVal = copy;
        return S_OK;
    });
}
