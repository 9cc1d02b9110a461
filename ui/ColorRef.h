// ColorRef: a Windows colour value 0x00BBGGRR as the colour controls hand it to their users, with
// 0xFF000000 standing for "automatic".
#pragma once

#include <QColor>
#include <cstdint>

using ColorRef = std::uint32_t;

inline constexpr ColorRef kAutomaticColour = 0xFF000000u;

constexpr ColorRef MakeColorRef(int r, int g, int b) {
    return static_cast<ColorRef>(r & 0xFF) | static_cast<ColorRef>(g & 0xFF) << 8 |
           static_cast<ColorRef>(b & 0xFF) << 16;
}
constexpr int RedOf(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorRef c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int BlueOf(ColorRef c) {
    return static_cast<int>(c >> 16 & 0xFF);
}

inline QColor ToQColor(ColorRef c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline ColorRef FromQColor(const QColor& c) {
    return MakeColorRef(c.red(), c.green(), c.blue());
}
