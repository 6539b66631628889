#pragma once

#include <cstdint>
#include <vector>

namespace orrery {

// A 24-bit picture (pixels 0x??RRGGBB, `stride` pixels per row) as a PNG
// file, or no bytes when the encoder failed. Graph pictures are mostly long
// runs of one colour, which the fastest compression without row filters
// already makes small; the usual settings spent half an export's time there.
std::vector<std::uint8_t> encodePng(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                    std::int32_t stride);

}  // namespace orrery
