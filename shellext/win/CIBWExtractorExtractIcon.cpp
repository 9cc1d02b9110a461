// IExtractIconA: icons drawn from the file's own preview, else the type's default icon.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/CIBWThumbnail.h"
#include "shellext/win/DefaultIcon.h"
#include "shellext/win/FileKind.h"
#include "shellext/win/GuardedCall.h"

STDMETHODIMP CIBWExtractor::GetIconLocation(UINT, PSTR, UINT, int*, UINT* resultFlags) {
    if (resultFlags) {
        *resultFlags |= GIL_NOTFILENAME | GIL_DONTCACHE;
    }
    return S_OK;
}

STDMETHODIMP CIBWExtractor::Extract(PCSTR, UINT, HICON* large, HICON* small, UINT iconSize) {
    if (large) {
        *large = nullptr;
    }
    if (small) {
        *small = nullptr;
    }
    return GuardedCall([&]() -> HRESULT {
        const int largeSide = static_cast<int>(LOWORD(iconSize));
        const int smallSide = static_cast<int>(HIWORD(iconSize));
        CIBWThumbnail thumbnail;
        bool usable = false;
        if (FileKind(m_path) == kFileKindIBW) {
            thumbnail.Open(m_path);
            usable = thumbnail.IsUsable();
        }
        if (!usable) {
            // Each caller slot gets its own handle: the shell destroys both.
            if (large) {
                *large = ExtractDefaultIcon();
            }
            if (small) {
                *small = ExtractDefaultIcon();
            }
            return S_OK;
        }
        HICON smallIcon = small ? thumbnail.GetIcon(0, ThumbnailSize{smallSide, smallSide}) : nullptr;
        HICON largeIcon = large ? thumbnail.GetIcon(0, ThumbnailSize{largeSide, largeSide}) : nullptr;
        if (small) {
            *small = smallIcon;
        }
        if (large) {
            *large = largeIcon;
        }
        return ((small && !smallIcon) || (large && !largeIcon)) ? S_FALSE : S_OK;
    });
}
