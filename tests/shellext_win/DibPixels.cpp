#include "tests/shellext_win/DibPixels.h"

#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"
#include "shellext/RenderLoadedPreview.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

std::optional<PaletteBitmap> ReadDib(HBITMAP bitmap) {
    DIBSECTION section{};
    if (!bitmap || GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) ||
        section.dsBmih.biBitCount != 8 || section.dsBmih.biHeight <= 0 || !section.dsBm.bmBits) {
        return std::nullopt;
    }
    PaletteBitmap out;
    out.width = section.dsBmih.biWidth;
    out.height = section.dsBmih.biHeight;
    out.rowLength = section.dsBm.bmWidthBytes;
    const auto* bits = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
    out.pixels.assign(bits,
                      bits + static_cast<std::size_t>(out.rowLength) * static_cast<std::size_t>(out.height));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RGBQUAD colours[256] = {};
    UINT count = GetDIBColorTable(dc, 0, 256, colours);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (count != 256) {
        return std::nullopt;
    }
    std::memcpy(out.palette.data(), colours, sizeof(colours));
    return out;
}

std::optional<ArgbPixels> ReadArgbDib(HBITMAP bitmap) {
    DIBSECTION section{};
    if (!bitmap || GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) ||
        section.dsBmih.biBitCount != 32 || section.dsBmih.biHeight <= 0 || !section.dsBm.bmBits) {
        return std::nullopt;
    }
    ArgbPixels out;
    out.width = section.dsBmih.biWidth;
    out.height = section.dsBmih.biHeight;
    const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    out.pixels.assign(bits,
                      bits + static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    return out;
}

ArgbPixels ToArgb(const PaletteBitmap& picture) {
    ArgbPixels out;
    out.width = picture.width;
    out.height = picture.height;
    for (std::int32_t y = 0; y < picture.height; ++y) {
        for (std::int32_t x = 0; x < picture.width; ++x) {
            out.pixels.push_back(picture.palette[picture.At(x, y)] | 0xFF000000u);
        }
    }
    return out;
}

std::optional<PaletteBitmap> CorePicture(const std::wstring& path, int channel, ThumbnailSize size) {
    if (path.ends_with(L".qvdf")) {
        return CQVDFReader(std::filesystem::path(path)).GetThumbnailBitmap(channel, size);
    }
    CIBWPreview preview;
    preview.Load(std::filesystem::path(path), channel);
    if (preview.GetLoadedChannel() != channel) {
        return std::nullopt;
    }
    return RenderLoadedPreview(preview, size);
}

std::optional<PaletteBitmap> ReadLinuxThumbnail(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    std::size_t at = 0;
    auto next = [&]() {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32 && at < bytes.size(); shift += 8) {
            value |= std::uint32_t{bytes[at++]} << shift;
        }
        return value;
    };
    const auto width = static_cast<std::int32_t>(next());
    const auto height = static_cast<std::int32_t>(next());
    std::array<std::uint32_t, 256> palette{};
    for (std::uint32_t& colour : palette) {
        colour = next();
    }
    PaletteBitmap picture;
    if (width <= 0 || height <= 0 || bytes.size() - at != static_cast<std::size_t>(width) * height ||
        !PaletteBitmap::Create(width, height, palette, &picture)) {
        return std::nullopt;
    }
    for (std::int32_t y = 0; y < height; ++y) {
        std::memcpy(picture.pixels.data() + static_cast<std::size_t>(y) * picture.rowLength,
                    bytes.data() + at + static_cast<std::size_t>(y) * width, static_cast<std::size_t>(width));
    }
    return picture;
}

bool SamePicture(const PaletteBitmap& actual, const PaletteBitmap& expected, std::string* why) {
    if (actual.width != expected.width || actual.height != expected.height) {
        *why = "size " + std::to_string(actual.width) + " x " + std::to_string(actual.height) +
               ", expected " + std::to_string(expected.width) + " x " + std::to_string(expected.height);
        return false;
    }
    if (actual.palette != expected.palette) {
        *why = "palette differs";
        return false;
    }
    for (std::int32_t y = 0; y < actual.height; ++y) {
        for (std::int32_t x = 0; x < actual.width; ++x) {
            if (actual.At(x, y) != expected.At(x, y)) {
                *why = "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                       std::to_string(actual.At(x, y)) + ", expected " + std::to_string(expected.At(x, y));
                return false;
            }
        }
    }
    return true;
}
