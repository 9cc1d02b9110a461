#include "tests/shellext_win/TestColumns.h"

#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/FixtureSet.h"

#include <commctrl.h>
#include <oleauto.h>
#include <shlobj.h>

#include <cwchar>

namespace {

// The version identifier of the platform's COM class library, the columns' format id.
constexpr GUID kFormatId = {0x5DC0A9CA, 0x92A2, 0x4204, {0x90, 0x03, 0xE4, 0xCE, 0x5F, 0x11, 0xE1, 0xA8}};

struct ColumnExpectation {
    const wchar_t* title;
    const wchar_t* description;
    int alignment;
};

const ColumnExpectation kColumns[5] = {
    {L"Scan Size(QV)", L"Provides Scan Size value contained in IBW files", LVCFMT_RIGHT},
    {L"Direction(QV)", L"Provides Scan Down value contained in IBW files which indicates direction",
     LVCFMT_LEFT},
    {L"Mode(QV)", L"Provides Image Mode value contained in IBW files", LVCFMT_LEFT},
    {L"Points(QV)", L"Provides Scan Pts value contained in IBW files", LVCFMT_RIGHT},
    {L"Channels(QV)", L"Channels(QV)", LVCFMT_RIGHT},
};

void CheckColumnInfo(IColumnProvider* provider) {
    for (DWORD index = 0; index < 5; ++index) {
        SHCOLUMNINFO info{};
        const ColumnExpectation& expected = kColumns[index];
        bool ok = provider->GetColumnInfo(index, &info) == S_OK && IsEqualGUID(info.scid.fmtid, kFormatId) &&
                  info.scid.pid == index && info.vt == VT_LPSTR &&
                  info.fmt == static_cast<DWORD>(expected.alignment) && info.cChars == 16 &&
                  info.csFlags == SHCOLSTATE_TYPE_STR && std::wcscmp(info.wszTitle, expected.title) == 0 &&
                  std::wcscmp(info.wszDescription, expected.description) == 0;
        Check(ok, "GetColumnInfo " + std::to_string(index) + ": " + Narrow(info.wszTitle) + " / " +
                      Narrow(info.wszDescription));
    }
    SHCOLUMNINFO info{};
    Check(provider->GetColumnInfo(5, &info) == S_FALSE, "GetColumnInfo 5 is S_FALSE");
}

} // namespace

std::wstring ItemData(IColumnProvider* provider, const std::wstring& path, const wchar_t* extension,
                      DWORD pid, HRESULT* result) {
    SHCOLUMNID column{kFormatId, pid};
    SHCOLUMNDATA data{};
    data.pwszExt = const_cast<wchar_t*>(extension);
    std::wcsncpy(data.wszFile, path.c_str(), MAX_PATH - 1);
    VARIANT value;
    VariantInit(&value);
    *result = provider->GetItemData(&column, &data, &value);
    std::wstring text;
    if (*result == S_OK) {
        text = value.vt == VT_BSTR && value.bstrVal ? value.bstrVal : L"(not a BSTR)";
    }
    VariantClear(&value);
    return text;
}

namespace {

void CheckItemData(const TestContext& context, IColumnProvider* provider) {
    const struct {
        const char* file;
        const wchar_t* extension;
        const wchar_t* values[5]; // null: S_FALSE
    } cases[] = {
        {fixtures::kImage, L".ibw", {L"20.000 \u00B5m", L"Up", L"AC", L" 256", L"2"}},
        {fixtures::kImage, L".IBW", {L"20.000 \u00B5m", L"Up", L"AC", L" 256", L"2"}},
        {fixtures::kForce, L".ibw", {L"0.150 \u00B5m", L"Down", L"DC", L" 2000", L"2"}},
        {fixtures::kNoFooter, L".ibw", {L"20.000 \u00B5m", L"Up", L"AC", L" 256", L"0"}},
        // The raw search finds ScanSize inside the FastScanSize line; text values keep the space
        // after the colon.
        {fixtures::kFastScan, L".ibw", {L"10.000 \u00B5m", L"Down", L"DC", L" 512", L"1"}},
        {fixtures::kImageOtherExtension, L".dat", {nullptr, nullptr, nullptr, nullptr, nullptr}},
        {fixtures::kContainer, L".qvdf", {nullptr, nullptr, nullptr, nullptr, nullptr}},
        // A missing note: the formats of an empty value, and no points.
        {"missing.ibw", L".ibw", {L"0.000 \u00B5m", L"Up", L"DC", nullptr, L"0"}},
    };
    for (const auto& c : cases) {
        for (DWORD pid = 0; pid < 5; ++pid) {
            HRESULT result = E_FAIL;
            std::wstring text = ItemData(provider, context.Fixture(c.file), c.extension, pid, &result);
            const std::string what = std::string("column ") + std::to_string(pid) + " of " + c.file + " (" +
                                     Narrow(c.extension) + "): " + Narrow(text);
            if (c.values[pid]) {
                Check(result == S_OK && text == c.values[pid], what);
            } else {
                Check(result == S_FALSE, what + " is S_FALSE");
            }
        }
    }
    SHCOLUMNID column{kFormatId, 0};
    VARIANT value;
    VariantInit(&value);
    Check(provider->GetItemData(&column, nullptr, &value) == S_FALSE, "GetItemData without data is S_FALSE");
}

} // namespace

void TestColumns(const TestContext& context) {
    ComPtr<IColumnProvider> provider = CreateExtractor<IColumnProvider>(context);
    if (!provider) {
        Check(false, "IColumnProvider of a new extractor");
        return;
    }
    SHCOLUMNINIT init{};
    std::wcsncpy(init.wszFolder, context.fixtureFolder.c_str(), MAX_PATH - 1);
    Check(provider->Initialize(&init) == S_OK, "IColumnProvider::Initialize is S_OK");
    CheckColumnInfo(provider.Get());
    CheckItemData(context, provider.Get());
}
