#include "shellext/linux/WritePalettePng.h"

#include <png.h>

#include <cstdio>
#include <vector>

bool WritePalettePng(const PaletteBitmap& bitmap, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        std::remove(path.c_str());
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.width), static_cast<png_uint_32>(bitmap.height),
                 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette(256);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i].red = static_cast<png_byte>(bitmap.palette[i] >> 16);
        palette[i].green = static_cast<png_byte>(bitmap.palette[i] >> 8);
        palette[i].blue = static_cast<png_byte>(bitmap.palette[i]);
    }
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_write_info(png, info);
    for (std::int32_t y = bitmap.height - 1; y >= 0; --y) {
        png_write_row(png, bitmap.pixels.data() +
                               static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.rowLength));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}
