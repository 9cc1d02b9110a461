#include "tests/shellext_win/TestQueryInfo.h"

#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/FixtureSet.h"

#include <shlobj.h>

std::wstring InfoTip(IQueryInfo* info, HRESULT* result, bool* none) {
    WCHAR* tip = reinterpret_cast<WCHAR*>(1);
    *result = info ? info->GetInfoTip(0, &tip) : E_FAIL;
    *none = tip == nullptr;
    if (!info || !tip) {
        return {};
    }
    std::wstring text = tip;
    CoTaskMemFree(tip);
    return text;
}

void TestQueryInfo(const TestContext& context) {
    const struct {
        const char* file;
        const wchar_t* tip; // null: none, S_FALSE
    } cases[] = {
        {fixtures::kImage, L"Scan Size(QV)\t20.000 "
                           L"\u00B5m\nDirection(QV)\tUp\nMode(QV)\tAC\nPoints(QV)\t256\nChannels(QV)\t2\n"},
        {fixtures::kForce,
         L"Scan Size(QV)\t0.150 "
         L"\u00B5m\nDirection(QV)\tDown\nMode(QV)\tDC\nPoints(QV)\t2000\nChannels(QV)\t2\n"},
        // The tip takes the parsed line whose key is exactly ScanSize, and the first ScanPoints.
        {fixtures::kFastScan,
         L"Scan Size(QV)\t20.000 "
         L"\u00B5m\nDirection(QV)\tDown\nMode(QV)\tDC\nPoints(QV)\t512\nChannels(QV)\t1\n"},
        {fixtures::kNoFooter, nullptr},
        {fixtures::kContainer, nullptr},
        {"missing.ibw", nullptr},
    };
    for (const auto& c : cases) {
        ComPtr<IQueryInfo> info = LoadedExtractor<IQueryInfo>(context, context.Fixture(c.file));
        HRESULT result = E_FAIL;
        bool none = false;
        std::wstring tip = InfoTip(info.Get(), &result, &none);
        if (c.tip) {
            Check(result == S_OK && tip == c.tip, std::string("info tip of ") + c.file + ": " + Narrow(tip));
        } else {
            Check(result == S_FALSE && none, std::string("no info tip for ") + c.file);
        }
    }
    // A second file given to the same object brings its own note.
    ComPtr<IPersistFile> file = CreateExtractor<IPersistFile>(context);
    ComPtr<IQueryInfo> reloaded;
    if (file && SUCCEEDED(file->Load(context.Fixture(fixtures::kImage).c_str(), STGM_READ)) &&
        SUCCEEDED(file.As(&reloaded))) {
        HRESULT result = E_FAIL;
        bool none = false;
        InfoTip(reloaded.Get(), &result, &none);
        file->Load(context.Fixture(fixtures::kFastScan).c_str(), STGM_READ);
        std::wstring tip = InfoTip(reloaded.Get(), &result, &none);
        Check(result == S_OK && tip.find(L"Points(QV)\t512") != std::wstring::npos,
              "IPersistFile::Load of another file replaces the note: " + Narrow(tip));
    } else {
        Check(false, "an extractor to load two files into");
    }

    ComPtr<IQueryInfo> info = CreateExtractor<IQueryInfo>(context);
    DWORD flags = 5;
    Check(info && info->GetInfoFlags(&flags) == E_NOTIMPL && flags == 0,
          "GetInfoFlags clears the flags, E_NOTIMPL");
    Check(info && info->GetInfoTip(0, nullptr) == E_POINTER, "GetInfoTip into no pointer is E_POINTER");
}
