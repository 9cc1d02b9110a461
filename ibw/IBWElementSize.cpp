#include "ibw/IBWRead.h"

int IBWElementSize(int type) {
    int base = 0;
    switch (type & ~(kIBWTypeComplex | kIBWTypeUnsigned)) {
    case kIBWTypeInt8:
        base = 1;
        break;
    case kIBWTypeInt16:
        base = 2;
        break;
    case kIBWTypeFloat32:
    case kIBWTypeInt32:
        base = 4;
        break;
    case kIBWTypeFloat64:
        base = 8;
        break;
    default:
        return 0;
    }
    return (type & kIBWTypeComplex) != 0 ? 2 * base : base;
}
