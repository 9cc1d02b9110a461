// What every group of checks needs: the loaded DLL's entry points and where the fixtures are.
#pragma once

#include <windows.h>

#include <shlobj.h>
#include <wrl/client.h>

#include <string>

using Microsoft::WRL::ComPtr;

// The headers name these shell interfaces without the identifiers IID_PPV_ARGS and As look up.
__CRT_UUID_DECL(IQueryInfo, 0x00021500, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)
__CRT_UUID_DECL(IExtractIconA, 0x000214EB, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)
__CRT_UUID_DECL(IColumnProvider, 0xE8025004, 0x1C42, 0x11D2, 0xBE, 0x2C, 0x00, 0xA0, 0xC9, 0xA8, 0x3D, 0xA1)

struct TestContext {
    HMODULE module = nullptr;
    HRESULT(STDAPICALLTYPE* getClassObject)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(STDAPICALLTYPE* canUnloadNow)() = nullptr;
    std::wstring dllPath;
    std::wstring fixtureFolder; // with a trailing separator
    std::wstring samplePath;    // the bundled sample wave

    // The fixture's path; names are UTF-8.
    std::wstring Fixture(const char* name) const;
};

std::wstring FromUtf8(const std::string& text);
// The files' 8-bit texts as the shell should show them, by the system's own table of the code
// page (whatever the thread's ANSI code page is).
std::wstring From1252(const std::string& text);

// The class identifier as the registry writes it; the test does not take it from the DLL.
inline constexpr wchar_t kClsidText[] = L"{134001D0-B503-4C5D-BD37-24A40D80F62D}";
CLSID ExtractorClsid();

// A new extractor through the DLL's class factory, asked for iid; null on failure.
template <typename Interface> ComPtr<Interface> CreateExtractor(const TestContext& context) {
    ComPtr<IClassFactory> factory;
    ComPtr<Interface> object;
    if (SUCCEEDED(context.getClassObject(ExtractorClsid(), IID_PPV_ARGS(&factory)))) {
        factory->CreateInstance(nullptr, IID_PPV_ARGS(&object));
    }
    return object;
}

// An extractor that has loaded path through IPersistFile.
template <typename Interface>
ComPtr<Interface> LoadedExtractor(const TestContext& context, const std::wstring& path) {
    ComPtr<IPersistFile> file = CreateExtractor<IPersistFile>(context);
    ComPtr<Interface> object;
    if (file && SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
        file.As(&object);
    }
    return object;
}

// For messages: ASCII, with tabs, line feeds and other characters escaped.
std::string Narrow(const std::wstring& text);
