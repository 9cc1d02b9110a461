#include "shellext/win/MakeIcon.h"

#include <vector>

HICON MakeIcon(HBITMAP bitmap) {
    if (!bitmap) {
        return nullptr;
    }
    BITMAP info{};
    HICON icon = nullptr;
    if (GetObjectW(bitmap, sizeof(info), &info) != 0 && info.bmWidth > 0 && info.bmHeight > 0) {
        // Rows of a monochrome bitmap are padded to 16 bits; all zero: the whole icon is opaque.
        std::size_t rowBytes = ((static_cast<std::size_t>(info.bmWidth) + 15) / 16) * 2;
        std::vector<BYTE> zeros(rowBytes * static_cast<std::size_t>(info.bmHeight), 0);
        HBITMAP mask = CreateBitmap(info.bmWidth, info.bmHeight, 1, 1, zeros.data());
        if (mask) {
            ICONINFO iconInfo{};
            iconInfo.fIcon = TRUE;
            iconInfo.xHotspot = static_cast<DWORD>(info.bmWidth / 2);
            iconInfo.yHotspot = static_cast<DWORD>(info.bmHeight / 2);
            iconInfo.hbmMask = mask;
            iconInfo.hbmColor = bitmap;
            icon = CreateIconIndirect(&iconInfo);
            DeleteObject(mask);
        }
    }
    DeleteObject(bitmap);
    return icon;
}
