#include "shellext/win/PropertyPage.h"

#include "shellext/win/CIBWExtractor.h"
#include "shellext/win/CIBWThumbnail.h"
#include "shellext/win/CreatePaletteDib.h"
#include "shellext/win/FileKind.h"
#include "shellext/win/ResourceIds.h"
#include "shellext/win/Utf16From1252.h"

#include "shellext/CFileByteSource.h"
#include "shellext/CQVDFReader.h"
#include "shellext/ChannelListNames.h"

#include <commctrl.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

ThumbnailSize PreviewSize(const PropertyPageState& state) {
    return ThumbnailSize{state.previewSize.cx, state.previewSize.cy};
}

std::shared_ptr<CByteSource> OpenFile(const std::wstring& path) {
    auto file = std::make_shared<CFileByteSource>(std::filesystem::path(path));
    return file->IsOpen() ? file : nullptr;
}

// Each entry's item data is its channel: once an unnamed channel is left out, list positions and
// channels differ.
void FillChannelList(HWND window, const std::vector<ChannelListEntry>& entries) {
    HWND combo = GetDlgItem(window, IDC_CHANNEL_COMBO);
    for (const ChannelListEntry& entry : entries) {
        const std::wstring name = Utf16From1252(entry.name);
        LRESULT position = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (position >= 0) {
            SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(position),
                         static_cast<LPARAM>(entry.channel));
        }
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

void FillNoteList(HWND window, const std::vector<std::pair<std::string, std::string>>& pairs) {
    HWND list = GetDlgItem(window, IDC_NOTE_LIST);
    RECT client{};
    GetClientRect(list, &client);
    int width = (client.right - client.left - GetSystemMetrics(SM_CXVSCROLL)) / 2;
    const wchar_t* titles[2] = {L"Name", L"Value"};
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = width;
        column.iSubItem = c;
        column.pszText = const_cast<wchar_t*>(titles[c]);
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
    }
    int row = 0;
    for (const auto& [key, value] : pairs) {
        std::wstring keyText = Utf16From1252(key);
        std::wstring valueText = Utf16From1252(value);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = keyText.data();
        LRESULT inserted = SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (inserted >= 0) {
            LVITEMW sub{};
            sub.iSubItem = 1;
            sub.pszText = valueText.data();
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(inserted),
                         reinterpret_cast<LPARAM>(&sub));
            ++row;
        }
    }
}

// The shown picture of a channel or image at the preview area's size, none for other files.
HBITMAP ChannelBitmap(const PropertyPageState& state, int kind, int channel) {
    if (kind == kFileKindIBW) {
        CIBWThumbnail thumbnail(OpenFile(state.path));
        return thumbnail.GetBitmap(channel, PreviewSize(state));
    }
    if (kind == kFileKindQVDF) {
        CQVDFReader reader(std::filesystem::path(state.path));
        return CreatePaletteDib(reader.GetThumbnailBitmap(channel, PreviewSize(state)));
    }
    return nullptr;
}

void InitialisePage(PropertyPageState& state) {
    const int kind = FileKind(state.path.c_str());
    if (HWND preview = GetDlgItem(state.window, IDC_PREVIEW)) {
        RECT client{};
        GetClientRect(preview, &client);
        state.previewSize = SIZE{client.right - client.left, client.bottom - client.top};
        state.bitmap = ChannelBitmap(state, kind, 0);
    }
    if (kind == kFileKindIBW) {
        CIBWPreview footer;
        footer.LoadFooter(OpenFile(state.path));
        FillChannelList(state.window, ChannelListNames(footer));
        if (state.note) {
            FillNoteList(state.window, state.note->pairs);
        }
    } else if (kind == kFileKindQVDF) {
        CQVDFReader reader(std::filesystem::path(state.path));
        FillChannelList(state.window, ChannelListNames(reader));
        FillNoteList(state.window, reader.GetNotes());
    }
}

void SelectChannel(PropertyPageState& state) {
    HWND combo = GetDlgItem(state.window, IDC_CHANNEL_COMBO);
    LRESULT position = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (position < 0) {
        return;
    }
    const auto channel =
        static_cast<int>(SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(position), 0));
    if (state.bitmap) {
        DeleteObject(state.bitmap);
        state.bitmap = nullptr;
    }
    state.bitmap = ChannelBitmap(state, FileKind(state.path.c_str()), channel);
    InvalidateRect(state.window, nullptr, FALSE);
}

void PaintPreview(PropertyPageState& state) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(state.window, &paint);
    HWND preview = GetDlgItem(state.window, IDC_PREVIEW);
    if (dc && preview) {
        RECT client{};
        GetClientRect(preview, &client);
        POINT topLeft{0, 0};
        MapWindowPoints(preview, state.window, &topLeft, 1);
        if (state.bitmap) {
            HDC memory = CreateCompatibleDC(dc);
            if (memory) {
                HGDIOBJ old = SelectObject(memory, state.bitmap);
                BitBlt(dc, topLeft.x, topLeft.y, client.right, client.bottom, memory, 0, 0, SRCCOPY);
                SelectObject(memory, old);
                DeleteDC(memory);
            }
        } else {
            RECT area{topLeft.x, topLeft.y, topLeft.x + client.right, topLeft.y + client.bottom};
            FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
    }
    EndPaint(state.window, &paint);
}

INT_PTR HandlePageMessage(PropertyPageState& state, HWND window, UINT message, WPARAM wParam) {
    state.window = window;
    switch (message) {
    case WM_PAINT:
        PaintPreview(state);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_CHANNEL_COMBO && HIWORD(wParam) == CBN_SELCHANGE) {
            SelectChannel(state);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR DialogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* extractor = static_cast<CIBWExtractor*>(GetPropW(window, kPagePropertyName));
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        extractor = page ? reinterpret_cast<CIBWExtractor*>(page->lParam) : nullptr;
        SetPropW(window, kPagePropertyName, extractor);
        if (extractor) {
            auto state = std::make_unique<PropertyPageState>();
            state->path = extractor->Path();
            state->window = window;
            state->note = extractor->Note();
            PropertyPageState* shown = state.get();
            extractor->AttachPage(std::move(state));
            InitialisePage(*shown);
        }
        return TRUE;
    }
    if (message == WM_DESTROY) {
        if (extractor) {
            if (PropertyPageState* state = extractor->Page(); state && state->bitmap) {
                DeleteObject(state->bitmap);
                state->bitmap = nullptr;
            }
            extractor->DetachPage();
        }
        RemovePropW(window, kPagePropertyName);
        return FALSE;
    }
    // Messages the page does not handle go to the dialog manager, WM_NCDESTROY above all: it
    // deletes the dialog's font there, and an answer of TRUE leaked one font per opening.
    if (!extractor) {
        return FALSE;
    }
    PropertyPageState* state = extractor->Page();
    return state ? HandlePageMessage(*state, window, message, wParam) : FALSE;
}

} // namespace

INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may unwind through the dialog manager.
    try {
        return DialogMessage(window, message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

UINT CALLBACK PageCallback(HWND, UINT message, LPPROPSHEETPAGEW page) {
    if (message == PSPCB_CREATE) {
        return 1;
    }
    if (message == PSPCB_RELEASE && page && page->lParam) {
        reinterpret_cast<CIBWExtractor*>(page->lParam)->Release();
    }
    return 0;
}
