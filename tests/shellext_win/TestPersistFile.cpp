#include "tests/shellext_win/TestPersistFile.h"

#include "tests/shellext_win/Check.h"

#include <string>

namespace {

int g_windowsCreated = 0;

// Counts and refuses every window the thread tries to create, so a message box neither blocks
// the run nor goes unseen.
LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        ++g_windowsCreated;
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void TestPersistFile(const TestContext& context) {
    ComPtr<IPersistFile> file = CreateExtractor<IPersistFile>(context);
    if (!file) {
        Check(false, "IPersistFile of a new extractor");
        return;
    }
    Check(file->Load(nullptr, STGM_READ) == S_OK, "IPersistFile::Load of no name is S_OK");
    std::wstring longName(1000, L'a');
    Check(file->Load(longName.c_str(), STGM_READ) == S_OK,
          "IPersistFile::Load of a 1000-character name is S_OK");
    Check(file->Load(context.Fixture("image.ibw").c_str(), STGM_READ) == S_OK, "IPersistFile::Load is S_OK");

    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    Check(hook != nullptr, "a window-creation hook is installed");
    CLSID clsid{};
    LPOLESTR current = reinterpret_cast<LPOLESTR>(1);
    const struct {
        const char* name;
        HRESULT result;
    } calls[] = {
        {"GetClassID", file->GetClassID(&clsid)},   {"IsDirty", file->IsDirty()},
        {"Save", file->Save(L"C:\\x.ibw", TRUE)},   {"SaveCompleted", file->SaveCompleted(L"C:\\x.ibw")},
        {"GetCurFile", file->GetCurFile(&current)},
    };
    if (hook) {
        UnhookWindowsHookEx(hook);
    }
    for (const auto& call : calls) {
        Check(call.result == E_NOTIMPL, std::string("IPersistFile::") + call.name + " is E_NOTIMPL");
    }
    Check(g_windowsCreated == 0, "the unused IPersistFile methods open no window");
    Check(current == nullptr, "GetCurFile leaves no name to free");
}
