#include "tests/shellext_win/TestExtractImage.h"

#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/DibPixels.h"
#include "tests/shellext_win/FixtureSet.h"

#include <shobjidl.h>

namespace {

struct Request {
    SIZE size;
    DWORD flags;
};

// GetLocation then Extract on a fresh extractor; the location's result in *location.
HBITMAP ExtractAt(const TestContext& context, const std::wstring& path, Request request, HRESULT* location,
                  HRESULT* extract) {
    ComPtr<IExtractImage> image = LoadedExtractor<IExtractImage>(context, path);
    *location = E_FAIL;
    *extract = E_FAIL;
    if (!image) {
        return nullptr;
    }
    wchar_t buffer[MAX_PATH] = L"untouched";
    DWORD priority = 7;
    DWORD flags = request.flags;
    *location = image->GetLocation(buffer, MAX_PATH, &priority, &request.size, 32, &flags);
    if (flags != request.flags || priority != 7 || std::wstring(buffer) != L"untouched") {
        *location = E_UNEXPECTED;
    }
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
    *extract = image->Extract(&bitmap);
    return bitmap;
}

// The thumbnail of channel 0 matches the core's picture at the size the request stores.
void CheckLikeCore(const TestContext& context, const std::wstring& path, Request request,
                   ThumbnailSize stored, const std::string& what) {
    HRESULT location = S_OK;
    HRESULT extract = S_OK;
    HBITMAP bitmap = ExtractAt(context, path, request, &location, &extract);
    const HRESULT expectedLocation = (request.flags & IEIFLAG_ASYNC) ? E_PENDING : S_OK;
    Check(location == expectedLocation && extract == S_OK && bitmap,
          what + ": GetLocation and Extract succeed");
    std::optional<PaletteBitmap> actual = ReadDib(bitmap);
    std::optional<PaletteBitmap> expected = CorePicture(path, 0, stored);
    std::string why = !actual     ? "not an 8-bit bottom-up DIB section"
                      : !expected ? "the core draws nothing"
                                  : "";
    Check(actual && expected && SamePicture(*actual, *expected, &why),
          what + ": pixels as the core's " + why);
    if (bitmap) {
        DeleteObject(bitmap);
    }
}

// Rows or columns of the stored picture that are all white (index 255).
bool WhiteRow(const PaletteBitmap& picture, int y) {
    for (int x = 0; x < picture.width; ++x) {
        if (picture.At(x, y) != 255) {
            return false;
        }
    }
    return true;
}

bool WhiteColumn(const PaletteBitmap& picture, int x) {
    for (int y = 0; y < picture.height; ++y) {
        if (picture.At(x, y) != 255) {
            return false;
        }
    }
    return true;
}

void CheckPlacement(const TestContext& context) {
    HRESULT location = S_OK;
    HRESULT extract = S_OK;
    // 128 x 64 fitted into 96 x 96: 96 x 48 at (0, 24); rows 0-23 and 72-95 stay white.
    HBITMAP wide = ExtractAt(context, context.Fixture(fixtures::kImage), {{96, 96}, IEIFLAG_ORIGSIZE},
                             &location, &extract);
    std::optional<PaletteBitmap> picture = ReadDib(wide);
    Check(picture && WhiteRow(*picture, 0) && WhiteRow(*picture, 23) && !WhiteRow(*picture, 24) &&
              !WhiteRow(*picture, 71) && WhiteRow(*picture, 72) && WhiteRow(*picture, 95),
          "a 128 x 64 preview at 96 x 96 is drawn 96 x 48 at (0, 24) on white");
    if (wide) {
        DeleteObject(wide);
    }
    HBITMAP tall = ExtractAt(context, context.Fixture(fixtures::kTall), {{96, 96}, IEIFLAG_ORIGSIZE},
                             &location, &extract);
    picture = ReadDib(tall);
    Check(picture && WhiteColumn(*picture, 23) && !WhiteColumn(*picture, 24) && !WhiteColumn(*picture, 71) &&
              WhiteColumn(*picture, 72),
          "a 64 x 128 preview at 96 x 96 is drawn 48 x 96 at (24, 0)");
    if (tall) {
        DeleteObject(tall);
    }
}

// At side x side the DLL draws what the Linux thumbnailer draws for the same file.
void CheckLikeLinux(const TestContext& context, const char* name, int side) {
    HRESULT location = S_OK;
    HRESULT extract = S_OK;
    HBITMAP bitmap =
        ExtractAt(context, context.Fixture(name), {{side, side}, IEIFLAG_ORIGSIZE}, &location, &extract);
    std::optional<PaletteBitmap> actual = ReadDib(bitmap);
    std::optional<PaletteBitmap> expected =
        ReadLinuxThumbnail(context.Fixture(fixtures::LinuxThumbnailName(name, side).c_str()));
    std::string why = !actual     ? "not an 8-bit bottom-up DIB section"
                      : !expected ? "no Linux thumbnail to compare with"
                                  : "";
    Check(extract == S_OK && actual && expected && SamePicture(*actual, *expected, &why),
          std::string(name) + " at " + std::to_string(side) + ": the Linux thumbnailer's pixels " + why);
    if (bitmap) {
        DeleteObject(bitmap);
    }
}

void CheckNoPicture(const TestContext& context, const char* name, const std::string& what) {
    HRESULT location = S_OK;
    HRESULT extract = S_OK;
    HBITMAP bitmap =
        ExtractAt(context, context.Fixture(name), {{96, 96}, IEIFLAG_ORIGSIZE}, &location, &extract);
    Check(extract == S_OK && bitmap == nullptr, what + ": Extract is S_OK with no bitmap");
}

} // namespace

void TestExtractImage(const TestContext& context) {
    const std::wstring image = context.Fixture(fixtures::kImage);
    CheckLikeCore(context, image, {{96, 96}, IEIFLAG_ORIGSIZE}, {96, 96}, "image at 96 x 96");
    CheckLikeCore(context, image, {{64, 64}, IEIFLAG_ORIGSIZE | IEIFLAG_ASYNC}, {64, 64},
                  "IEIFLAG_ASYNC gives E_PENDING and still stores the size");
    CheckLikeCore(context, image, {{96, 96}, 0}, {0, 0}, "without IEIFLAG_ORIGSIZE the preview's own size");
    CheckLikeCore(context, image, {{0, 0}, IEIFLAG_ORIGSIZE}, {0, 0}, "a size of (0, 0)");
    CheckLikeCore(context, image, {{96, 0}, IEIFLAG_ORIGSIZE}, {96, 0}, "a size with no height");
    CheckLikeCore(context, context.Fixture(fixtures::kForce), {{0, 0}, 0}, {0, 0},
                  "force curve at its own size");
    CheckLikeCore(context, context.Fixture(fixtures::kForce), {{120, 80}, IEIFLAG_ORIGSIZE}, {120, 80},
                  "force curve at 120 x 80");
    CheckLikeCore(context, context.samplePath, {{96, 96}, IEIFLAG_ORIGSIZE}, {96, 96}, "the bundled sample");
    CheckPlacement(context);
    for (const char* name : {fixtures::kNoFooter, fixtures::kDataOnly}) {
        for (int side : fixtures::kLinuxThumbnailSides) {
            CheckLikeLinux(context, name, side);
        }
    }
    CheckNoPicture(context, fixtures::kOneDimensional, "a 1-D wave without preview footer");
    CheckNoPicture(context, "missing.ibw", "a file that does not exist");
    CheckNoPicture(context, fixtures::kContainer, "a .qvdf file");

    ComPtr<IExtractImage> image0 = CreateExtractor<IExtractImage>(context);
    Check(image0 && image0->Extract(nullptr) == E_POINTER, "Extract into no bitmap is E_POINTER");
}
