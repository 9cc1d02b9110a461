// Drives QVIBWInfo.dll the way Explorer does and checks every answer. Run under Wine:
//   shellext_win_test DLL FIXTURE_FOLDER SAMPLE_WAVE CODE_PAGE
//   shellext_win_test --measure DLL FILE WARM_UP_FILE   (a child of the memory checks)
// Paths may be Windows paths or absolute host paths (those are taken through drive Z:). CODE_PAGE
// is the ANSI code page the run is meant to have: the answers must not depend on it.
// Prints one line per check; exits 1 when any check fails, 2 when it cannot start.
#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/TestBounds.h"
#include "tests/shellext_win/TestColumns.h"
#include "tests/shellext_win/TestContext.h"
#include "tests/shellext_win/TestExtractImage.h"
#include "tests/shellext_win/TestIcons.h"
#include "tests/shellext_win/TestPersistFile.h"
#include "tests/shellext_win/TestPropertyPage.h"
#include "tests/shellext_win/TestPropertyStore.h"
#include "tests/shellext_win/TestQueryInfo.h"
#include "tests/shellext_win/TestServer.h"
#include "tests/shellext_win/TestShellExtInit.h"
#include "tests/shellext_win/TestStability.h"
#include "tests/shellext_win/TestThumbnailProvider.h"
#include "tests/shellext_win/TestUnicode.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::wstring WindowsPath(std::wstring path) {
    if (!path.empty() && path[0] == L'/') {
        path = L"Z:" + path;
    }
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return path;
}

template <typename Fn> bool Entry(HMODULE module, const char* name, Fn* out) {
    *out = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *out != nullptr;
}

bool LoadDll(TestContext* context) {
    context->module = LoadLibraryW(context->dllPath.c_str());
    if (!context->module || !Entry(context->module, "DllGetClassObject", &context->getClassObject) ||
        !Entry(context->module, "DllCanUnloadNow", &context->canUnloadNow)) {
        std::fprintf(stderr, "shellext_win_test: cannot load %s\n", Narrow(context->dllPath).c_str());
        return false;
    }
    return true;
}

void RunChecks(TestContext& context) {
    TestServer(context);
    TestPersistFile(context);
    TestIcons(context);
    TestExtractImage(context);
    TestThumbnailProvider(context);
    TestQueryInfo(context);
    TestColumns(context);
    TestPropertyStore(context);
    TestUnicode(context);
    TestShellExtInit(context);
    TestPropertyPage(context);
    TestBounds(context);
    TestStability(context);
    Check(context.canUnloadNow() == S_OK, "DllCanUnloadNow is S_OK once every object is released");
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args(argv, argv + (argv ? argc : 0));
    LocalFree(argv);
    const bool measuring = args.size() == 5 && args[1] == L"--measure";
    if (!measuring && args.size() != 5) {
        std::fprintf(stderr, "usage: shellext_win_test DLL FIXTURE_FOLDER SAMPLE_WAVE CODE_PAGE\n");
        return 2;
    }
    TestContext context;
    context.dllPath = WindowsPath(args[measuring ? 2 : 1]);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        std::fprintf(stderr, "shellext_win_test: COM does not start\n");
        return 2;
    }
    if (!LoadDll(&context)) {
        return 2;
    }
    if (measuring) {
        return MeasureChild(context, WindowsPath(args[3]), WindowsPath(args[4]));
    }
    context.fixtureFolder = WindowsPath(args[2]);
    if (!context.fixtureFolder.ends_with(L"\\")) {
        context.fixtureFolder += L"\\";
    }
    context.samplePath = WindowsPath(args[3]);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    const unsigned expectedCodePage = static_cast<unsigned>(std::wcstoul(args[4].c_str(), nullptr, 10));
    std::printf("code page %u\n", GetACP());
    Check(GetACP() == expectedCodePage,
          "the ANSI code page is the run's, " + std::to_string(expectedCodePage));
    RunChecks(context);

    FreeLibrary(context.module);
    CoUninitialize();
    std::printf("%d check(s) failed\n", FailureCount());
    return FailureCount() == 0 ? 0 : 1;
}
