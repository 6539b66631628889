#include "shell/png_encoder.h"

#include <csetjmp>

#include <png.h>
#include <zlib.h>

namespace orrery {
namespace {

void append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flush(png_structp) {}

void silent(png_structp, png_const_charp) {}

}  // namespace

std::vector<std::uint8_t> encodePng(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                    std::int32_t stride) {
    if (!pixels || width <= 0 || height <= 0 || stride < width) return {};
    std::vector<std::uint8_t> bytes;
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, silent);
    if (!png) return {};
    png_infop info = png_create_info_struct(png);
    // libpng reports a failure by jumping back here.
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &bytes, append, flush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, Z_BEST_SPEED);
    png_write_info(png, info);
    for (std::int32_t y = 0; y < height; ++y) {
        const std::uint32_t* source = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint32_t p = source[x];
            row[static_cast<std::size_t>(x) * 3] = static_cast<png_byte>(p >> 16);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<png_byte>(p >> 8);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<png_byte>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

}  // namespace orrery
