#include "shellext/win/DefaultIcon.h"

#include "shellext/win/FileKind.h"
#include "shellext/win/Module.h"
#include "shellext/win/ResourceIds.h"

HICON LoadDefaultIcon(int fileKind, int side) {
    const int id = fileKind == kFileKindQVDF ? IDI_QVDFFILE : IDI_IBWFILE;
    return static_cast<HICON>(LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON, side, side,
                                         side > 0 ? LR_DEFAULTCOLOR : LR_DEFAULTSIZE));
}
