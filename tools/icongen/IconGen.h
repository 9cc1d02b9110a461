// Draws the two file-type icons of the Windows shell extension (a document page with a coloured
// height map for .ibw, with four image tiles for .qvdf) and writes them as .ico files: 16, 24,
// 32 and 48 pixels as 32-bit bitmaps with alpha, 256 as PNG. `icongen FOLDER` writes the files
// committed under shellext/win/icons; a test checks they are what it writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace icongen {

enum class IconKind { Wave, Container };

// side x side pixels, top row first, each R, G, B, A (not premultiplied).
std::vector<std::uint8_t> DrawIcon(IconKind kind, int side);

std::vector<std::uint8_t> BuildIco(IconKind kind);
bool WriteIcons(const std::string& folder); // ibwfile.ico and qvdffile.ico

} // namespace icongen
