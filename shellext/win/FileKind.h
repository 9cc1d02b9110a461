// The kind of a file by the text after its last '.': 1 IBW, 2 QVDF, 0 anything else.
#pragma once

inline constexpr int kFileKindOther = 0;
inline constexpr int kFileKindIBW = 1;
inline constexpr int kFileKindQVDF = 2;

int FileKind(const wchar_t* path);

// text equals lowerExtension, ASCII letters compared without regard to case.
bool IsExtension(const wchar_t* text, const wchar_t* lowerExtension);
