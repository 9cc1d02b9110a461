#include "tests/shellext_win/TestThumbnailProvider.h"

#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/DibPixels.h"
#include "tests/shellext_win/FixtureSet.h"
#include "tests/shellext_win/StreamFiles.h"

#include "shellext/CIBWPreview.h"
#include "shellext/RenderFirstChannel.h"

#include <shobjidl.h>
#include <thumbcache.h>

#include <filesystem>

namespace {

struct Thumbnail {
    HRESULT result = E_FAIL;
    HBITMAP bitmap = nullptr;
    WTS_ALPHATYPE alpha = WTSAT_UNKNOWN;
};

Thumbnail ThumbnailOf(IThumbnailProvider* provider, UINT side) {
    Thumbnail thumbnail;
    if (provider) {
        thumbnail.bitmap = reinterpret_cast<HBITMAP>(1);
        thumbnail.result = provider->GetThumbnail(side, &thumbnail.bitmap, &thumbnail.alpha);
    }
    return thumbnail;
}

// IExtractImage's picture of channel 0 at the size that fills side x side with the picture's shape.
std::optional<ArgbPixels> ExtractImagePixels(const TestContext& context, const std::wstring& path,
                                             UINT side) {
    CIBWPreview preview;
    preview.Load(std::filesystem::path(path), 0);
    const ThumbnailSize fitted = FitFirstChannel(preview, static_cast<std::int32_t>(side));
    ComPtr<IExtractImage> image = LoadedExtractor<IExtractImage>(context, path);
    if (!image || fitted.cx == 0) {
        return std::nullopt;
    }
    wchar_t location[MAX_PATH] = {};
    DWORD priority = 0;
    DWORD flags = IEIFLAG_ORIGSIZE;
    SIZE size{fitted.cx, fitted.cy};
    HBITMAP bitmap = nullptr;
    image->GetLocation(location, MAX_PATH, &priority, &size, 32, &flags);
    image->Extract(&bitmap);
    std::optional<PaletteBitmap> picture = ReadDib(bitmap);
    if (bitmap) {
        DeleteObject(bitmap);
    }
    if (!picture) {
        return std::nullopt;
    }
    return ToArgb(*picture);
}

void CheckLikeExtractImage(const TestContext& context, const char* name, UINT side) {
    const std::wstring path = context.Fixture(name);
    const std::optional<ArgbPixels> expected = ExtractImagePixels(context, path, side);
    const struct {
        const char* how;
        ComPtr<IThumbnailProvider> provider;
    } ways[] = {
        {"a file stream", StreamExtractor<IThumbnailProvider>(context, FileStream(path).Get())},
        {"a memory stream", StreamExtractor<IThumbnailProvider>(context, MemoryStream(path).Get())},
        {"the path", PathExtractor<IThumbnailProvider>(context, path)},
    };
    for (const auto& way : ways) {
        Thumbnail thumbnail = ThumbnailOf(way.provider.Get(), side);
        std::optional<ArgbPixels> actual = ReadArgbDib(thumbnail.bitmap);
        const std::string what =
            std::string("thumbnail of ") + name + " at " + std::to_string(side) + " from " + way.how;
        Check(thumbnail.result == S_OK && thumbnail.alpha == WTSAT_RGB && actual,
              what + ": S_OK, a 32-bit bottom-up DIB section without alpha");
        Check(actual && expected && actual->width == expected->width && actual->height == expected->height &&
                  actual->pixels == expected->pixels,
              what + ": the pixels of IExtractImage at " +
                  (expected ? std::to_string(expected->width) + " x " + std::to_string(expected->height)
                            : "-"));
        if (thumbnail.result == S_OK && thumbnail.bitmap) {
            DeleteObject(thumbnail.bitmap);
        }
    }
}

void CheckNoPicture(const TestContext& context, const char* name) {
    const std::wstring path = context.Fixture(name);
    for (ComPtr<IStream> stream : {FileStream(path), MemoryStream(path)}) {
        Thumbnail thumbnail =
            ThumbnailOf(StreamExtractor<IThumbnailProvider>(context, stream.Get()).Get(), 96);
        Check(FAILED(thumbnail.result) && thumbnail.bitmap == nullptr,
              std::string(name) + ": no picture is a failure with no bitmap, not S_OK");
    }
}

} // namespace

void TestThumbnailProvider(const TestContext& context) {
    CheckLikeExtractImage(context, fixtures::kImage, 96);
    CheckLikeExtractImage(context, fixtures::kTall, 96);
    CheckLikeExtractImage(context, fixtures::kImage, 256);
    CheckLikeExtractImage(context, fixtures::kForce, 120);
    CheckLikeExtractImage(context, fixtures::kLargePreview, 256);
    CheckLikeExtractImage(context, fixtures::kDataOnly, 96);
    CheckLikeExtractImage(context, fixtures::kNoFooter, 256);
    CheckNoPicture(context, fixtures::kOneDimensional);
    CheckNoPicture(context, fixtures::kContainer);
    Thumbnail missing =
        ThumbnailOf(PathExtractor<IThumbnailProvider>(context, context.Fixture("missing.ibw")).Get(), 96);
    Check(FAILED(missing.result) && missing.bitmap == nullptr, "a file that does not exist gives a failure");

    ComPtr<IStream> stream = FileStream(context.Fixture(fixtures::kImage));
    ComPtr<IInitializeWithStream> once = StreamExtractor<IInitializeWithStream>(context, stream.Get());
    Check(once && once->Initialize(stream.Get(), STGM_READ) == HRESULT_FROM_WIN32(ERROR_ALREADY_INITIALIZED),
          "a second initialisation is ERROR_ALREADY_INITIALIZED");
    ComPtr<IInitializeWithFile> file;
    if (once) {
        once.As(&file);
    }
    Check(file && file->Initialize(context.Fixture(fixtures::kForce).c_str(), STGM_READ) ==
                      HRESULT_FROM_WIN32(ERROR_ALREADY_INITIALIZED),
          "a stream-initialised object refuses a path too");
    ComPtr<IThumbnailProvider> provider = CreateExtractor<IThumbnailProvider>(context);
    WTS_ALPHATYPE alpha = WTSAT_ARGB;
    Check(provider && provider->GetThumbnail(96, nullptr, &alpha) == E_POINTER,
          "GetThumbnail into no bitmap is E_POINTER");
    HBITMAP bitmap = nullptr;
    Check(provider && provider->GetThumbnail(0, &bitmap, &alpha) == E_INVALIDARG && !bitmap,
          "GetThumbnail of size 0 is E_INVALIDARG");
}
