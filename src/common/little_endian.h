#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orrery {

// The unsigned number stored least significant byte first in the `size`
// bytes (at most 8) from `at`; nothing when the data ends before them.
inline std::optional<std::uint64_t> littleEndianAt(std::string_view data, std::size_t at, std::size_t size) {
    if (at > data.size() || data.size() - at < size) return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(data[at + i]);
    return value;
}

}  // namespace orrery
