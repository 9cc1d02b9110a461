// Drives QVIBWInfo.dll the way Explorer does and checks every answer. Run under Wine:
//   shellext_win_test DLL FIXTURE_FOLDER SAMPLE_WAVE
// Paths may be Windows paths or absolute host paths (those are taken through drive Z:).
// Prints one line per check; exits 1 when any check fails, 2 when it cannot start.
#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/TestColumns.h"
#include "tests/shellext_win/TestContext.h"
#include "tests/shellext_win/TestExtractImage.h"
#include "tests/shellext_win/TestIcons.h"
#include "tests/shellext_win/TestPersistFile.h"
#include "tests/shellext_win/TestPropertyPage.h"
#include "tests/shellext_win/TestQueryInfo.h"
#include "tests/shellext_win/TestServer.h"
#include "tests/shellext_win/TestShellExtInit.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>

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

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 4) {
        std::fprintf(stderr, "usage: shellext_win_test DLL FIXTURE_FOLDER SAMPLE_WAVE\n");
        return 2;
    }
    TestContext context;
    const std::wstring dll = WindowsPath(argv[1]);
    context.fixtureFolder = WindowsPath(argv[2]);
    if (!context.fixtureFolder.ends_with(L"\\")) {
        context.fixtureFolder += L"\\";
    }
    context.samplePath = WindowsPath(argv[3]);
    LocalFree(argv);

    // The values are Windows-1252 texts: the micro sign needs that code page.
    std::printf("code page %u\n", GetACP());
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        std::fprintf(stderr, "shellext_win_test: COM does not start\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    context.module = LoadLibraryW(dll.c_str());
    if (!context.module || !Entry(context.module, "DllGetClassObject", &context.getClassObject) ||
        !Entry(context.module, "DllCanUnloadNow", &context.canUnloadNow)) {
        std::fprintf(stderr, "shellext_win_test: cannot load %s\n", Narrow(dll).c_str());
        return 2;
    }
    Check(GetACP() == 1252, "the ANSI code page is Windows-1252");
    TestServer(context);
    TestPersistFile(context);
    TestIcons(context);
    TestExtractImage(context);
    TestQueryInfo(context);
    TestColumns(context);
    TestShellExtInit(context);
    TestPropertyPage(context);
    Check(context.canUnloadNow() == S_OK, "DllCanUnloadNow is S_OK once every object is released");

    FreeLibrary(context.module);
    CoUninitialize();
    std::printf("%d check(s) failed\n", FailureCount());
    return FailureCount() == 0 ? 0 : 1;
}
