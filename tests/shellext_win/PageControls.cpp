#include "tests/shellext_win/PageControls.h"

#include <commctrl.h>

#include <cstring>

std::vector<std::string> ComboTexts(HWND combo) {
    std::vector<std::string> texts;
    LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        if (SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) <
            static_cast<LRESULT>(sizeof(text))) {
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        }
        texts.emplace_back(text);
    }
    return texts;
}

namespace {

int ColumnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string ItemText(HWND list, int row, int column) {
    char text[256] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

} // namespace

std::vector<std::string> ListColumnTitles(HWND list) {
    std::vector<std::string> titles;
    for (int c = 0; c < ColumnCount(list); ++c) {
        char text[64] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof(text);
        SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
        titles.emplace_back(text);
    }
    return titles;
}

std::vector<int> ListColumnWidths(HWND list) {
    std::vector<int> widths;
    for (int c = 0; c < ColumnCount(list); ++c) {
        widths.push_back(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0)));
    }
    return widths;
}

std::vector<std::pair<std::string, std::string>> ListRows(HWND list) {
    std::vector<std::pair<std::string, std::string>> rows;
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        rows.emplace_back(ItemText(list, row, 0), ItemText(list, row, 1));
    }
    return rows;
}

namespace {

struct TextSearch {
    const char* text;
    HWND found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM parameter) {
    auto* search = reinterpret_cast<TextSearch*>(parameter);
    char text[128] = {};
    GetWindowTextA(child, text, sizeof(text));
    if (std::strcmp(text, search->text) == 0) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND ChildWithText(HWND dialog, const char* text) {
    TextSearch search{text, nullptr};
    EnumChildWindows(dialog, MatchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
