#include "tests/shellext_win/TestPropertyPage.h"

#include "tests/shellext_win/CFileListData.h"
#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/DibPixels.h"
#include "tests/shellext_win/FixtureSet.h"
#include "tests/shellext_win/GdiObjectCount.h"
#include "tests/shellext_win/PageControls.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>
#include <span>

namespace {

constexpr int kNoteList = 209;
constexpr int kChannelCombo = 214;
constexpr int kColorTableCombo = 215;
constexpr int kPreview = 216;

struct PageList {
    bool accept = true;
    std::vector<HPROPSHEETPAGE> pages;
};

BOOL CALLBACK AddPage(HPROPSHEETPAGE page, LPARAM parameter) {
    auto* list = reinterpret_cast<PageList*>(parameter);
    if (!list->accept) {
        return FALSE;
    }
    list->pages.push_back(page);
    return TRUE;
}

HRESULT Initialize(IShellPropSheetExt* extractor, IDataObject* data) {
    ComPtr<IShellExtInit> init;
    HRESULT result = extractor->QueryInterface(IID_PPV_ARGS(&init));
    return SUCCEEDED(result) ? init->Initialize(nullptr, data, nullptr) : result;
}

ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

// The note's lines as the page should list them: Windows-1252 shown as UTF-16.
std::vector<std::pair<std::wstring, std::wstring>> NotePairs(std::span<const char* const> lines) {
    std::vector<std::pair<std::wstring, std::wstring>> pairs;
    for (std::string line : lines) {
        std::size_t colon = line.find(':');
        pairs.emplace_back(From1252(line.substr(0, colon)),
                           From1252(line.substr(line.find_first_not_of(' ', colon + 1))));
    }
    return pairs;
}

struct PageExpectation {
    std::vector<std::wstring> channels;
    std::vector<std::pair<std::wstring, std::wstring>> notes; // empty: no columns either
};

// The extractor's page for the files, shown in a hidden sheet; null sheet on failure.
class CShownPage {
public:
    CShownPage(const TestContext& context, const std::vector<std::wstring>& files)
        : m_extractor(CreateExtractor<IShellPropSheetExt>(context)) {
        CFileListData data(files);
        if (!m_extractor || FAILED(Initialize(m_extractor.Get(), &data))) {
            return;
        }
        m_before = References(m_extractor.Get());
        PageList list;
        m_added = m_extractor->AddPages(AddPage, reinterpret_cast<LPARAM>(&list));
        m_during = References(m_extractor.Get());
        if (list.pages.size() != 1) {
            return;
        }
        PROPSHEETHEADERW header{};
        header.dwSize = sizeof(header);
        header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
        header.pszCaption = L"Properties";
        header.nPages = 1;
        header.phpage = list.pages.data();
        m_sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
        if (m_sheet && m_sheet != reinterpret_cast<HWND>(-1)) {
            m_page = reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        } else {
            m_sheet = nullptr;
        }
    }
    ~CShownPage() { Close(); }
    CShownPage(const CShownPage&) = delete;
    CShownPage& operator=(const CShownPage&) = delete;

    // Destroys the sheet; the page's release gives the extractor's reference back.
    void Close() {
        if (m_sheet) {
            DestroyWindow(m_sheet);
            m_sheet = nullptr;
            m_page = nullptr;
        }
    }

    IShellPropSheetExt* Extractor() const { return m_extractor.Get(); }
    HWND Page() const { return m_page; }
    HRESULT Added() const { return m_added; }
    ULONG Before() const { return m_before; }
    ULONG During() const { return m_during; }

private:
    ComPtr<IShellPropSheetExt> m_extractor;
    HWND m_sheet = nullptr;
    HWND m_page = nullptr;
    HRESULT m_added = E_FAIL;
    ULONG m_before = 0;
    ULONG m_during = 0;
};

// Points of the preview area, in its client coordinates, at which painted and expected pixels
// are compared: the centre and the middle of each quarter.
std::vector<POINT> SamplePoints(SIZE area) {
    return {{area.cx / 2, area.cy / 2},
            {area.cx / 4, area.cy / 4},
            {3 * area.cx / 4, area.cy / 4},
            {area.cx / 4, 3 * area.cy / 4},
            {3 * area.cx / 4, 3 * area.cy / 4}};
}

// What the page should show there: the core's picture at the area's size, black without one.
std::vector<COLORREF> ExpectedPixels(const std::wstring& path, int channel, SIZE area) {
    std::optional<PaletteBitmap> picture = CorePicture(path, channel, ThumbnailSize{area.cx, area.cy});
    std::vector<COLORREF> colours;
    for (POINT p : SamplePoints(area)) {
        std::uint32_t colour = 0;
        if (picture && p.x < picture->width && p.y < picture->height) {
            // Stored rows are bottom-up.
            colour = picture->palette[picture->At(p.x, picture->height - 1 - p.y)];
        }
        colours.push_back(RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF));
    }
    return colours;
}

// The page painted, then read back at the sample points of its preview area.
std::vector<COLORREF> PaintedPixels(HWND page, SIZE* area) {
    HWND preview = GetDlgItem(page, kPreview);
    RECT client{};
    GetClientRect(preview, &client);
    *area = SIZE{client.right, client.bottom};
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(page);
    std::vector<COLORREF> colours;
    for (POINT p : SamplePoints(*area)) {
        MapWindowPoints(preview, page, &p, 1);
        colours.push_back(GetPixel(dc, p.x, p.y));
    }
    ReleaseDC(page, dc);
    return colours;
}

void CheckControls(const CShownPage& shown, const PageExpectation& expected, const std::string& what) {
    HWND page = shown.Page();
    Check(shown.Added() == S_OK && page != nullptr, what + ": AddPages is S_OK and the page is created");
    if (!page) {
        return;
    }
    Check(GetPropW(page, L"QuorvanePropStr") != nullptr, what + ": the page carries QuorvanePropStr");
    Check(IsWindowUnicode(page) != FALSE, what + ": the page is a Unicode dialog");
    HWND combo = GetDlgItem(page, kChannelCombo);
    std::vector<std::wstring> channels = ComboTexts(combo);
    std::string shownChannels;
    for (const std::wstring& name : channels) {
        shownChannels += Narrow(name) + ";";
    }
    Check(channels == expected.channels, what + ": channel list " + shownChannels);
    if (!expected.channels.empty()) {
        Check(SendMessageA(combo, CB_GETCURSEL, 0, 0) == 0, what + ": the first channel is selected");
    }
    HWND list = GetDlgItem(page, kNoteList);
    std::vector<std::wstring> titles = ListColumnTitles(list);
    if (expected.notes.empty()) {
        Check(titles.empty() && ListRows(list).empty(), what + ": an empty note list without columns");
    } else {
        RECT client{};
        GetClientRect(list, &client);
        const int half = (client.right - GetSystemMetrics(SM_CXVSCROLL)) / 2;
        Check(titles == std::vector<std::wstring>{L"Name", L"Value"} &&
                  ListColumnWidths(list) == std::vector<int>{half, half},
              what + ": note columns Name and Value, half the list each");
        Check(ListRows(list) == expected.notes, what + ": one note row per pair, in note order");
    }
    const LONG hiddenStyle = GetWindowLongA(GetDlgItem(page, kColorTableCombo), GWL_STYLE);
    const LONG labelStyle = GetWindowLongA(ChildWithText(page, L"Color Tables:"), GWL_STYLE);
    Check(GetDlgItem(page, kColorTableCombo) && !(hiddenStyle & WS_VISIBLE) && !(labelStyle & WS_VISIBLE),
          what + ": the colour-table list and its label stay hidden");
}

void CheckPage(const TestContext& context, const char* name, const PageExpectation& expected) {
    CShownPage shown(context, {context.Fixture(name)});
    CheckControls(shown, expected, name);
    Check(shown.During() == shown.Before() + 1,
          std::string(name) + ": the page holds one reference to the extractor");
    if (shown.Page()) {
        SIZE area{};
        std::vector<COLORREF> painted = PaintedPixels(shown.Page(), &area);
        Check(painted == ExpectedPixels(context.Fixture(name), 0, area),
              std::string(name) + ": the preview area shows channel 0 (black without one)");
    }
    shown.Close();
    if (shown.Extractor()) {

        Check(References(shown.Extractor()) == shown.Before(),
              std::string(name) + ": closing the sheet gives the reference back");
    }
}

// Selecting list position 1 shows the channel behind it: in the container an unnamed image
// precedes Phase, which is image 2.
void CheckChannelSwitch(const TestContext& context, const char* name, int channel, const std::string& what) {
    const std::wstring path = context.Fixture(name);
    CShownPage shown(context, {path});
    HWND page = shown.Page();
    if (!page) {
        Check(false, "a page to switch channels on");
        return;
    }
    HWND combo = GetDlgItem(page, kChannelCombo);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(kChannelCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    SIZE area{};
    std::vector<COLORREF> painted = PaintedPixels(page, &area);
    Check(painted == ExpectedPixels(path, channel, area) &&
              painted != ExpectedPixels(path, channel - 1, area) && painted != ExpectedPixels(path, 0, area),
          what);
}

// The dialog manager deletes the page's font on WM_NCDESTROY only when the page leaves the
// message to it; 100 openings must not leave 100 fonts behind.
void CheckNoObjectsLeft(const TestContext& context) {
    auto openAndClose = [&] {
        CShownPage shown(context, {context.Fixture(fixtures::kImage)});
        return shown.Page() != nullptr;
    };
    bool opened = openAndClose() && openAndClose();
    const int before = GdiObjectCount();
    for (int i = 0; i < 100; ++i) {
        opened = openAndClose() && opened;
    }
    const int after = GdiObjectCount();
    std::printf("measure: GDI objects over 100 page openings: %d before, %d after\n", before, after);
    Check(opened && before > 0 && after - before <= 2,
          "100 page openings leave no GDI objects behind (" + std::to_string(after - before) + " more)");

    CShownPage shown(context, {context.Fixture(fixtures::kImage)});
    auto procedure =
        shown.Page() ? reinterpret_cast<DLGPROC>(GetWindowLongPtrW(shown.Page(), DWLP_DLGPROC)) : nullptr;
    HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    Check(procedure && other && procedure(other, WM_NCDESTROY, 0, 0) == FALSE,
          "the page's procedure leaves WM_NCDESTROY to the dialog manager");
    if (other) {
        DestroyWindow(other);
    }
}

void CheckRefusedPage(const TestContext& context) {
    ComPtr<IShellPropSheetExt> extractor = CreateExtractor<IShellPropSheetExt>(context);
    if (!extractor) {
        Check(false, "IShellPropSheetExt of a new extractor");
        return;
    }
    ULONG before = References(extractor.Get());
    PageList refusing;
    refusing.accept = false;
    Check(extractor->AddPages(AddPage, reinterpret_cast<LPARAM>(&refusing)) == S_OK &&
              References(extractor.Get()) == before,
          "a refused page is destroyed and keeps no reference");
    Check(extractor->AddPages(nullptr, 0) == E_INVALIDARG, "AddPages without a function is E_INVALIDARG");
    Check(extractor->ReplacePage(0, AddPage, 0) == E_NOTIMPL, "ReplacePage is E_NOTIMPL");
}

} // namespace

void TestPropertyPage(const TestContext& context) {
    CheckPage(context, fixtures::kImage, {{L"Height", L"Phase"}, NotePairs(fixtures::kImageNote)});
    CheckPage(context, fixtures::kFastScan, {{L"Height"}, NotePairs(fixtures::kFastScanNote)});
    CheckPage(context, fixtures::kForce, {{L"DeflFileStart", L"ZSnsr"}, NotePairs(fixtures::kForceNote)});
    CheckPage(context, fixtures::kNoFooter, {{}, NotePairs(fixtures::kImageNote)});
    // Empty channel names are left out; notes keep the spaces after the colon.
    CheckPage(context, fixtures::kContainer,
              {{L"Height", L"Phase"}, {{L"Operator", L"Ada"}, {L"Sample", L" mica"}}});
    // Windows-1252 channel names and note texts, in a file with a Cyrillic name.
    CheckPage(context, fixtures::kCyrillicName,
              {{L"H\u00F6he", L"Phase"}, NotePairs(fixtures::kCyrillicNote)});
    CheckChannelSwitch(context, fixtures::kImage, 1,
                       "selecting Phase shows channel 1's preview at the preview area's size");
    CheckChannelSwitch(context, fixtures::kContainer, 2,
                       "selecting Phase shows image 2 when the unnamed image 1 is not listed");
    CheckNoObjectsLeft(context);
    CheckRefusedPage(context);

    CShownPage twoFiles(context, {context.Fixture(fixtures::kImage), context.Fixture(fixtures::kForce)});
    CheckControls(twoFiles, {{}, {}}, "two files");
}
