#pragma once

#include <cstdint>
#include <vector>

#include "shell/palette_quantizer.h"

namespace orrery {

// The picture as a GIF file (GIF89a, one image, no transparency), or no bytes
// when the encoder failed.
std::vector<std::uint8_t> encodeGif(const IndexedPicture& picture);

}  // namespace orrery
