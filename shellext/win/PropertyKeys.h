// The five properties of .ibw files for the Windows property system: one format identifier,
// property ids 2 to 6 (0 and 1 are reserved in every property set), and the canonical names the
// schema (QVIBWInfo.propdesc) and the registered property lists use.
#pragma once

#include <windows.h>

#include <propkeydef.h>

inline constexpr int kPropertyCount = 5;

// In the order of the columns: scan size, direction, mode, points, channels.
const PROPERTYKEY& PropertyKeyAt(int index);
const wchar_t* PropertyName(int index);

// -1 for a key that is not one of them.
int PropertyIndex(REFPROPERTYKEY key);
