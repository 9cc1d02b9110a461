#include "ibw/IBWRead.h"

#include <cstring>

int ReadIBWTrailerKind(IBWStream& file) {
    std::int64_t end = 0;
    if (file.EndPosition(&end) != kIBWFileOK || end < 5 ||
        file.SetPosition(end - 5, kIBWFromStart) != kIBWFileOK) {
        return kIBWTrailerNone;
    }
    char tag[6] = {};
    if (file.Read(5, tag, nullptr) != kIBWFileOK) {
        return kIBWTrailerNone;
    }
    if (std::strcmp(tag, "KTZ9W") == 0) {
        return kIBWTrailerImage;
    }
    return std::strcmp(tag, "Force") == 0 ? kIBWTrailerForce : kIBWTrailerNone;
}
