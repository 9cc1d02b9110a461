#include "shellext/win/PropertyPage.h"

#include "shellext/win/AnsiText.h"
#include "shellext/win/CIBWExtractor.h"
#include "shellext/win/CIBWThumbnail.h"
#include "shellext/win/CreatePaletteDib.h"
#include "shellext/win/FileKind.h"
#include "shellext/win/ResourceIds.h"

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

void FillChannelList(HWND window, const std::vector<std::string>& names) {
    HWND combo = GetDlgItem(window, IDC_CHANNEL_COMBO);
    for (const std::string& name : names) {
        LRESULT position = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (position >= 0) {
            SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(position), 0);
        }
    }
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

void FillNoteList(HWND window, const std::vector<std::pair<std::string, std::string>>& pairs) {
    HWND list = GetDlgItem(window, IDC_NOTE_LIST);
    RECT client{};
    GetClientRect(list, &client);
    int width = (client.right - client.left - GetSystemMetrics(SM_CXVSCROLL)) / 2;
    const char* titles[2] = {"Name", "Value"};
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = width;
        column.iSubItem = c;
        column.pszText = const_cast<char*>(titles[c]);
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
    }
    int row = 0;
    for (const auto& [key, value] : pairs) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>(key.c_str());
        LRESULT inserted = SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        if (inserted >= 0) {
            LVITEMA sub{};
            sub.iSubItem = 1;
            sub.pszText = const_cast<char*>(value.c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(inserted),
                         reinterpret_cast<LPARAM>(&sub));
            ++row;
        }
    }
}

// The shown picture of a channel or image at the preview area's size, none for other files.
HBITMAP ChannelBitmap(const PropertyPageState& state, int kind, int channel) {
    if (kind == kFileKindIBW) {
        CIBWThumbnail thumbnail(state.path);
        return thumbnail.GetBitmap(channel, PreviewSize(state));
    }
    if (kind == kFileKindQVDF) {
        CQVDFReader reader(std::filesystem::path(state.path));
        return CreatePaletteDib(reader.GetThumbnailBitmap(channel, PreviewSize(state)));
    }
    return nullptr;
}

void InitialisePage(PropertyPageState& state) {
    const int kind = FileKind(state.path);
    if (HWND preview = GetDlgItem(state.window, IDC_PREVIEW)) {
        RECT client{};
        GetClientRect(preview, &client);
        state.previewSize = SIZE{client.right - client.left, client.bottom - client.top};
        state.bitmap = ChannelBitmap(state, kind, 0);
    }
    if (kind == kFileKindIBW) {
        CIBWPreview preview;
        preview.Load(std::filesystem::path(state.path), 0);
        FillChannelList(state.window, ChannelListNames(preview));
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
    LRESULT position = SendDlgItemMessageA(state.window, IDC_CHANNEL_COMBO, CB_GETCURSEL, 0, 0);
    if (position < 0) {
        return;
    }
    if (state.bitmap) {
        DeleteObject(state.bitmap);
        state.bitmap = nullptr;
    }
    state.bitmap = ChannelBitmap(state, FileKind(state.path), static_cast<int>(position));
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
    case WM_DESTROY:
        if (state.bitmap) {
            DeleteObject(state.bitmap);
            state.bitmap = nullptr;
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR DialogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* extractor = static_cast<CIBWExtractor*>(GetPropA(window, kPagePropertyName));
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        extractor = page ? reinterpret_cast<CIBWExtractor*>(page->lParam) : nullptr;
        SetPropA(window, kPagePropertyName, extractor);
        if (extractor) {
            auto state = std::make_unique<PropertyPageState>();
            CopyCut(std::wstring_view(extractor->Path()), state->path, MAX_PATH);
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
        RemovePropA(window, kPagePropertyName);
        return TRUE;
    }
    if (!extractor) {
        return TRUE;
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

UINT CALLBACK PageCallback(HWND, UINT message, LPPROPSHEETPAGEA page) {
    if (message == PSPCB_CREATE) {
        return 1;
    }
    if (message == PSPCB_RELEASE && page && page->lParam) {
        reinterpret_cast<CIBWExtractor*>(page->lParam)->Release();
    }
    return 0;
}
