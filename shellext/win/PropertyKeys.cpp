#include "shellext/win/PropertyKeys.h"

namespace {

constexpr GUID kFormatId = {0x72EF7319, 0x8B3F, 0x4DA1, {0x8B, 0x97, 0x5D, 0x19, 0x2D, 0xC2, 0x11, 0x3E}};

const PROPERTYKEY kKeys[kPropertyCount] = {
    {kFormatId, 2}, {kFormatId, 3}, {kFormatId, 4}, {kFormatId, 5}, {kFormatId, 6},
};

const wchar_t* const kNames[kPropertyCount] = {
    L"Quorvane.IBW.ScanSize",   L"Quorvane.IBW.ScanDirection",   L"Quorvane.IBW.ImagingMode",
    L"Quorvane.IBW.ScanPoints", L"Quorvane.IBW.PreviewChannels",
};

} // namespace

const PROPERTYKEY& PropertyKeyAt(int index) {
    return kKeys[index];
}

const wchar_t* PropertyName(int index) {
    return kNames[index];
}

int PropertyIndex(REFPROPERTYKEY key) {
    for (int i = 0; i < kPropertyCount; ++i) {
        if (IsEqualGUID(key.fmtid, kKeys[i].fmtid) && key.pid == kKeys[i].pid) {
            return i;
        }
    }
    return -1;
}
