#include "shell/jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace orrery {
namespace {

// libjpeg reports errors by calling error_exit, which must not return: jump
// back to the encoder instead of ending the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void silent(j_common_ptr, int) {}

bool allGrey(const std::uint32_t* pixels, std::int32_t width, std::int32_t height, std::int32_t stride) {
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::ptrdiff_t>(y) * stride + x];
            if (((p >> 16) & 0xFF) != ((p >> 8) & 0xFF) || ((p >> 8) & 0xFF) != (p & 0xFF)) return false;
        }
    return true;
}

}  // namespace

std::vector<std::uint8_t> encodeJpeg(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                     std::int32_t stride, int quality) {
    if (!pixels || width <= 0 || height <= 0 || stride < width) return {};
    // volatile: read again after a jump back from libjpeg.
    const volatile bool grey = allGrey(pixels, width, height, stride);
    const volatile int channels = grey ? 1 : 3;
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * static_cast<std::size_t>(channels));

    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.emit_message = silent;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = channels;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const std::uint32_t* source = pixels + static_cast<std::ptrdiff_t>(info.next_scanline) * stride;
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint32_t p = source[x];
            if (grey) {
                row[static_cast<std::size_t>(x)] = static_cast<JSAMPLE>(p & 0xFF);
            } else {
                row[static_cast<std::size_t>(x) * 3] = static_cast<JSAMPLE>(p >> 16);
                row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<JSAMPLE>(p >> 8);
                row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(p);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

}  // namespace orrery
