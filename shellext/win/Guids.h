// The fixed identities of the server: the class and its type library (the same in every build,
// in the type library's source and in the registry).
#pragma once

#include <windows.h>

extern const CLSID CLSID_IBWExtractor;
extern const GUID LIBID_IBWINFOLib;

// Registry form, braces included.
inline constexpr wchar_t kClsidText[] = L"{134001D0-B503-4C5D-BD37-24A40D80F62D}";
inline constexpr wchar_t kLibidText[] = L"{F4A88D07-D5FE-405F-AB9B-5B824B57A877}";
