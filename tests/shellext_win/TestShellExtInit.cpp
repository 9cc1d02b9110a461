#include "tests/shellext_win/TestShellExtInit.h"

#include "tests/shellext_win/CFileListData.h"
#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/FixtureSet.h"
#include "tests/shellext_win/TestQueryInfo.h"

#include <shlobj.h>

void TestShellExtInit(const TestContext& context) {
    ComPtr<IShellExtInit> init = CreateExtractor<IShellExtInit>(context);
    if (!init) {
        Check(false, "IShellExtInit of a new extractor");
        return;
    }
    Check(init->Initialize(nullptr, nullptr, nullptr) == E_INVALIDARG,
          "Initialize without data is E_INVALIDARG");
    CFileListData notFiles({});
    Check(init->Initialize(nullptr, &notFiles, nullptr) == E_INVALIDARG,
          "Initialize with data that is no file list is E_INVALIDARG");

    CFileListData one({context.Fixture(fixtures::kImage)});
    Check(init->Initialize(nullptr, &one, nullptr) == S_OK, "Initialize with one file is S_OK");
    ComPtr<IQueryInfo> info;
    init.As(&info);
    HRESULT result = E_FAIL;
    bool none = true;
    std::wstring tip = InfoTip(info.Get(), &result, &none);
    Check(result == S_OK && tip.starts_with(L"Scan Size(QV)\t20.000"),
          "one file's path and note are kept: " + Narrow(tip));

    ComPtr<IShellExtInit> two = CreateExtractor<IShellExtInit>(context);
    CFileListData pair({context.Fixture(fixtures::kImage), context.Fixture(fixtures::kForce)});
    Check(two && two->Initialize(nullptr, &pair, nullptr) == S_OK, "Initialize with two files is S_OK");
    ComPtr<IQueryInfo> twoInfo;
    if (two) {
        two.As(&twoInfo);
    }
    InfoTip(twoInfo.Get(), &result, &none);
    Check(result == S_FALSE && none, "two files leave the path empty: no info tip");
}
