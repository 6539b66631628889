#pragma once

#include <cstdint>
#include <vector>

namespace orrery {

// A 24-bit picture (pixels 0x??RRGGBB, `stride` pixels per row) as a JPEG
// file at the given quality, or no bytes when the encoder failed. Colour is
// kept at full resolution (no chroma subsampling), so one-pixel curves keep
// their colours; a picture whose pixels are all grey is written as a grey
// JPEG.
std::vector<std::uint8_t> encodeJpeg(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                     std::int32_t stride, int quality);

}  // namespace orrery
