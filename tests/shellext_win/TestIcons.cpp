#include "tests/shellext_win/TestIcons.h"

#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/FixtureSet.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

namespace {

struct IconShape {
    int width = 0;
    int height = 0;
    bool opaque = false; // the mask is all zero
    POINT hotSpot{};
};

IconShape ShapeOf(HICON icon) {
    IconShape shape;
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) {
        return shape;
    }
    BITMAP colour{};
    if (info.hbmColor && GetObjectW(info.hbmColor, sizeof(colour), &colour)) {
        shape.width = colour.bmWidth;
        shape.height = colour.bmHeight;
    }
    BITMAP mask{};
    if (info.hbmMask && GetObjectW(info.hbmMask, sizeof(mask), &mask)) {
        std::vector<BYTE> bits(static_cast<std::size_t>(mask.bmWidthBytes) * mask.bmHeight, 0xFF);
        LONG read = GetBitmapBits(info.hbmMask, static_cast<LONG>(bits.size()), bits.data());
        shape.opaque = read > 0;
        for (LONG i = 0; i < read; ++i) {
            shape.opaque = shape.opaque && bits[static_cast<std::size_t>(i)] == 0;
        }
    }
    shape.hotSpot = POINT{static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
    if (info.hbmColor) {
        DeleteObject(info.hbmColor);
    }
    if (info.hbmMask) {
        DeleteObject(info.hbmMask);
    }
    return shape;
}

void CheckLocation(const TestContext& context) {
    ComPtr<IExtractIconA> icon = LoadedExtractor<IExtractIconA>(context, context.Fixture(fixtures::kImage));
    char file[MAX_PATH] = "untouched";
    int index = 7;
    UINT flags = 0;
    Check(icon && icon->GetIconLocation(0, file, MAX_PATH, &index, &flags) == S_OK &&
              flags == (GIL_NOTFILENAME | GIL_DONTCACHE) && index == 7 && std::strcmp(file, "untouched") == 0,
          "GetIconLocation sets GIL_NOTFILENAME | GIL_DONTCACHE and writes nothing else");
    // Drawing the icon reads the file: not on the shell's interface thread.
    flags = 0;
    Check(icon && icon->GetIconLocation(GIL_ASYNC, file, MAX_PATH, &index, &flags) == E_PENDING && flags == 0,
          "GetIconLocation with GIL_ASYNC is E_PENDING, so the icon is made off the interface thread");
}

void CheckPreviewIcons(const TestContext& context, const char* name) {
    ComPtr<IExtractIconA> icon = LoadedExtractor<IExtractIconA>(context, context.Fixture(name));
    HICON large = nullptr;
    HICON small = nullptr;
    HRESULT result = icon ? icon->Extract("", 0, &large, &small, MAKELONG(48, 16)) : E_FAIL;
    IconShape largeShape = ShapeOf(large);
    IconShape smallShape = ShapeOf(small);
    Check(result == S_OK && largeShape.width == 48 && largeShape.height == 48 && smallShape.width == 16 &&
              smallShape.height == 16,
          std::string("icons of ") + name + " are 48 x 48 (low word) and 16 x 16 (high word)");
    Check(largeShape.opaque && smallShape.opaque && largeShape.hotSpot.x == 24 && largeShape.hotSpot.y == 24,
          std::string("icons of ") + name + " are opaque with the hot spot in the middle");
    DestroyIcon(large);
    DestroyIcon(small);
}

// No preview: the type's icon from the module's resources, never null, whatever the registry says.
void CheckDefaultIcons(const TestContext& context, const char* name) {
    ComPtr<IExtractIconA> icon = LoadedExtractor<IExtractIconA>(context, context.Fixture(name));
    HICON large = nullptr;
    HICON small = nullptr;
    HRESULT result = icon ? icon->Extract("", 0, &large, &small, MAKELONG(48, 16)) : E_FAIL;
    IconShape largeShape = ShapeOf(large);
    IconShape smallShape = ShapeOf(small);
    Check(result == S_OK && large && small && large != small && largeShape.width == 48 &&
              smallShape.width == 16,
          std::string(name) + " gets the bundled type icon, one handle for each size");
    // The bundled icons have transparent corners; a preview icon is opaque.
    Check(!largeShape.opaque, std::string(name) + ": the type icon is not a preview");
    DestroyIcon(large);
    DestroyIcon(small);
}

} // namespace

void TestIcons(const TestContext& context) {
    CheckLocation(context);
    CheckPreviewIcons(context, fixtures::kImage);
    CheckPreviewIcons(context, fixtures::kForce);
    CheckPreviewIcons(context, fixtures::kContainer);
    CheckPreviewIcons(context, fixtures::kCyrillicName);
    CheckDefaultIcons(context, fixtures::kContainerWithoutThumbnail);
    CheckDefaultIcons(context, fixtures::kNoFooter);
    CheckDefaultIcons(context, fixtures::kImageOtherExtension);
    CheckDefaultIcons(context, "missing.ibw");
}
