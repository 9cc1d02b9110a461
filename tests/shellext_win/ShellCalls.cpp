#include "tests/shellext_win/ShellCalls.h"

#include "tests/shellext_win/PropertyValues.h"
#include "tests/shellext_win/StreamFiles.h"
#include "tests/shellext_win/TestColumns.h"
#include "tests/shellext_win/TestQueryInfo.h"

#include <shobjidl.h>
#include <thumbcache.h>

namespace {

std::string BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    std::string size = "none";
    if (bitmap && GetObjectW(bitmap, sizeof(info), &info)) {
        size = std::to_string(info.bmWidth) + "x" + std::to_string(info.bmHeight);
    }
    if (bitmap) {
        DeleteObject(bitmap);
    }
    return size;
}

std::string IconSize(HICON icon) {
    ICONINFO info{};
    std::string size = "none";
    if (icon && GetIconInfo(icon, &info)) {
        size = BitmapSize(info.hbmColor);
        if (info.hbmMask) {
            DeleteObject(info.hbmMask);
        }
    }
    if (icon) {
        DestroyIcon(icon);
    }
    return size;
}

std::string ExtractImageAt(const TestContext& context, const std::wstring& path, SIZE size, DWORD flags) {
    ComPtr<IExtractImage> image = LoadedExtractor<IExtractImage>(context, path);
    if (!image) {
        return {};
    }
    wchar_t location[MAX_PATH] = {};
    DWORD priority = 0;
    image->GetLocation(location, MAX_PATH, &priority, &size, 32, &flags);
    HBITMAP bitmap = nullptr;
    return SUCCEEDED(image->Extract(&bitmap)) ? BitmapSize(bitmap) : std::string();
}

} // namespace

const char* ShellCallName(ShellCall call) {
    switch (call) {
    case ShellCall::InfoTip:
        return "info tip";
    case ShellCall::Columns:
        return "columns";
    case ShellCall::Properties:
        return "properties";
    case ShellCall::Thumbnail:
        return "thumbnail provider";
    case ShellCall::ExtractImage:
        return "IExtractImage";
    case ShellCall::Icons:
        return "icons";
    }
    return "";
}

std::string MakeShellCall(const TestContext& context, ShellCall call, const std::wstring& path) {
    switch (call) {
    case ShellCall::InfoTip: {
        HRESULT result = E_FAIL;
        bool none = true;
        std::wstring tip = InfoTip(LoadedExtractor<IQueryInfo>(context, path).Get(), &result, &none);
        return FAILED(result) ? std::string() : "tip " + Narrow(tip);
    }
    case ShellCall::Columns: {
        ComPtr<IColumnProvider> provider = CreateExtractor<IColumnProvider>(context);
        std::string values = provider ? "columns" : "";
        for (DWORD pid = 0; provider && pid < 5; ++pid) {
            HRESULT result = E_FAIL;
            values += " " + Narrow(ItemData(provider.Get(), path, L".ibw", pid, &result));
        }
        return values;
    }
    case ShellCall::Properties: {
        StoreValues read = ReadStore(StreamExtractor<IPropertyStore>(context, FileStream(path).Get()).Get());
        std::string values = read.result == S_OK ? "properties" : "";
        for (const PropertyValue& value : read.values) {
            values += " " + Describe(value);
        }
        return values;
    }
    case ShellCall::Thumbnail: {
        ComPtr<IThumbnailProvider> provider =
            StreamExtractor<IThumbnailProvider>(context, FileStream(path).Get());
        HBITMAP bitmap = nullptr;
        WTS_ALPHATYPE alpha = WTSAT_UNKNOWN;
        if (!provider) {
            return {};
        }
        HRESULT hr = provider->GetThumbnail(256, &bitmap, &alpha);
        return "thumbnail " + (SUCCEEDED(hr) ? BitmapSize(bitmap) : std::string("failed"));
    }
    case ShellCall::ExtractImage:
        return "extract " + ExtractImageAt(context, path, {256, 256}, IEIFLAG_ORIGSIZE) + " " +
               ExtractImageAt(context, path, {0, 0}, 0);
    case ShellCall::Icons: {
        ComPtr<IExtractIconA> icon = LoadedExtractor<IExtractIconA>(context, path);
        HICON large = nullptr;
        HICON small = nullptr;
        if (!icon || FAILED(icon->Extract("", 0, &large, &small, MAKELONG(48, 16)))) {
            return {};
        }
        return "icons " + IconSize(large) + " " + IconSize(small);
    }
    }
    return {};
}
