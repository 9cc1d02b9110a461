// IExtractIconA: icons drawn from the file's own preview, else the type's icon bundled in the
// module. Drawing reads the file, so it is left to the shell's background thread (GIL_ASYNC).
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/CIBWThumbnail.h"
#include "shellext/win/CreatePaletteDib.h"
#include "shellext/win/DefaultIcon.h"
#include "shellext/win/FileKind.h"
#include "shellext/win/GuardedCall.h"
#include "shellext/win/MakeIcon.h"

#include "shellext/CQVDFReader.h"

#include <filesystem>
#include <functional>

STDMETHODIMP CIBWExtractor::GetIconLocation(UINT flags, PSTR, UINT, int*, UINT* resultFlags) {
    // Asked on the shell's interface thread: the shell asks again from a thread of its own.
    if (flags & GIL_ASYNC) {
        return E_PENDING;
    }
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
        // The icon of channel or image 0 at a side, from whichever source the file kind has.
        std::function<HICON(int)> iconAt;
        CIBWThumbnail thumbnail;
        CQVDFReader reader;
        const int kind = FileKind(m_path.c_str());
        if (kind == kFileKindIBW) {
            thumbnail.Open(OpenSource());
            if (thumbnail.IsUsable()) {
                iconAt = [&](int side) { return thumbnail.GetIcon(0, ThumbnailSize{side, side}); };
            }
        } else if (kind == kFileKindQVDF) {
            reader.Open(std::filesystem::path(m_path));
            if (reader.HasThumbnail()) {
                iconAt = [&](int side) {
                    return MakeIcon(
                        CreatePaletteDib(reader.GetThumbnailBitmap(0, ThumbnailSize{side, side})));
                };
            }
        }
        if (!iconAt) {
            // Each caller slot gets its own handle: the shell destroys both.
            if (large) {
                *large = LoadDefaultIcon(kind, largeSide);
            }
            if (small) {
                *small = LoadDefaultIcon(kind, smallSide);
            }
            return S_OK;
        }
        HICON smallIcon = small ? iconAt(smallSide) : nullptr;
        HICON largeIcon = large ? iconAt(largeSide) : nullptr;
        if (small) {
            *small = smallIcon;
        }
        if (large) {
            *large = largeIcon;
        }
        return ((small && !smallIcon) || (large && !largeIcon)) ? S_FALSE : S_OK;
    });
}
