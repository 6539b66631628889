#pragma once

#include <cstdint>
#include <vector>

namespace orrery {

// A picture of at most 256 colours: the palette (0xRRGGBB) and one palette
// index per pixel, row by row.
struct IndexedPicture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
};

// Reduces a 24-bit picture (pixels 0x??RRGGBB, `stride` pixels per row) to at
// most maxColors colours. A picture with that few colours keeps them exactly.
// Otherwise the most frequent colours (the background, the axes, the curves'
// own colours) keep exact entries, and the rest, mostly the blended pixels of
// smooth edges, share entries found by median cut; every pixel takes its
// nearest entry, so nothing is dithered.
IndexedPicture quantizeColors(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                              std::int32_t stride, int maxColors = 256);

}  // namespace orrery
