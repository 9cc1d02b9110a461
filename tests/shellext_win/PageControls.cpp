#include "tests/shellext_win/PageControls.h"

#include <commctrl.h>

#include <cwchar>

std::vector<std::wstring> ComboTexts(HWND combo) {
    std::vector<std::wstring> texts;
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) <
            static_cast<LRESULT>(std::size(text))) {
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        }
        texts.emplace_back(text);
    }
    return texts;
}

namespace {

int ColumnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::wstring ItemText(HWND list, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

} // namespace

std::vector<std::wstring> ListColumnTitles(HWND list) {
    std::vector<std::wstring> titles;
    for (int c = 0; c < ColumnCount(list); ++c) {
        wchar_t text[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = static_cast<int>(std::size(text));
        SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
        titles.emplace_back(text);
    }
    return titles;
}

std::vector<int> ListColumnWidths(HWND list) {
    std::vector<int> widths;
    for (int c = 0; c < ColumnCount(list); ++c) {
        widths.push_back(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0)));
    }
    return widths;
}

std::vector<std::pair<std::wstring, std::wstring>> ListRows(HWND list) {
    std::vector<std::pair<std::wstring, std::wstring>> rows;
    int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        rows.emplace_back(ItemText(list, row, 0), ItemText(list, row, 1));
    }
    return rows;
}

namespace {

struct TextSearch {
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM parameter) {
    auto* search = reinterpret_cast<TextSearch*>(parameter);
    wchar_t text[128] = {};
    GetWindowTextW(child, text, static_cast<int>(std::size(text)));
    if (std::wcscmp(text, search->text) == 0) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND ChildWithText(HWND dialog, const wchar_t* text) {
    TextSearch search{text, nullptr};
    EnumChildWindows(dialog, MatchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
