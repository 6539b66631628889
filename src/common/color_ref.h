#pragma once

#include <cstdint>

namespace orrery {

// A 24-bit colour as documents and settings store it: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef makeRgb(int red, int green, int blue) {
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace orrery
