// IColumnProvider: the five detail-view columns of .ibw files.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/AnsiText.h"
#include "shellext/win/GuardedCall.h"
#include "shellext/win/Module.h"

#include "shellext/CIBWPreview.h"
#include "shellext/ColumnText.h"

#include <commctrl.h>
#include <oleauto.h>

#include <filesystem>

namespace {

// The version identifier of the platform's COM class library, used as the columns' format id.
constexpr GUID kColumnFormatId = {
    0x5DC0A9CA, 0x92A2, 0x4204, {0x90, 0x03, 0xE4, 0xCE, 0x5F, 0x11, 0xE1, 0xA8}};

} // namespace

STDMETHODIMP CIBWExtractor::Initialize(LPCSHCOLUMNINIT init) {
    return GuardedCall([&] {
        std::string folder = init ? ToAnsi(init->wszFolder) : std::string();
        CopyCut(std::string_view(folder), m_folder, MAX_PATH);
        return S_OK;
    });
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
        char title[81] = {};
        char description[129] = {};
        LoadStringA(ModuleInstance(), static_cast<UINT>(column.titleId), title, sizeof(title));
        LoadStringA(ModuleInstance(), static_cast<UINT>(column.descriptionId), description,
                    sizeof(description));
        MultiByteToWideChar(CP_THREAD_ACP, 0, title, -1, info->wszTitle, MAX_COLUMN_NAME_LEN);
        info->wszTitle[MAX_COLUMN_NAME_LEN - 1] = L'\0';
        MultiByteToWideChar(CP_THREAD_ACP, 0, description, -1, info->wszDescription, MAX_COLUMN_DESC_LEN);
        info->wszDescription[MAX_COLUMN_DESC_LEN - 1] = L'\0';
        return S_OK;
    });
}

STDMETHODIMP CIBWExtractor::GetItemData(LPCSHCOLUMNID column, LPCSHCOLUMNDATA data, VARIANT* value) {
    return GuardedCall([&]() -> HRESULT {
        if (!data || !data->pwszExt || lstrcmpiA(ToAnsi(data->pwszExt).c_str(), ".ibw") != 0) {
            return S_FALSE;
        }
        if (!column || !value) {
            return E_POINTER;
        }
        if (!IsEqualGUID(column->fmtid, kColumnFormatId) || column->pid >= static_cast<DWORD>(kColumnCount)) {
            return S_FALSE;
        }
        const ColumnSpec& columnSpec = *ColumnAt(static_cast<int>(column->pid));
        std::string text;
        if (columnSpec.format == ColumnFormat::ChannelCount) {
            CIBWPreview preview;
            preview.Load(std::filesystem::path(data->wszFile), 0);
            text = ChannelCountText(preview.GetChannelCount());
        } else {
            // Unparsed: the lookup searches the raw note text.
            CIBWNote note(ToAnsi(data->wszFile), false);
            text = NoteColumnValue(columnSpec, note);
        }
        if (text.empty()) {
            return S_FALSE;
        }
        std::wstring wide = FromAnsi(text);
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
