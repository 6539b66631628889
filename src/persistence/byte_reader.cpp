#include "persistence/byte_reader.h"

#include <bit>

namespace orrery {

std::optional<std::uint64_t> ByteReader::littleEndian(std::size_t n) {
    if (remaining() < n) return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < n; ++i) value |= static_cast<std::uint64_t>(data_[pos_ + i]) << (8 * i);
    pos_ += n;
    return value;
}

std::optional<std::uint8_t> ByteReader::u8() {
    const auto value = littleEndian(1);
    if (!value) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

std::optional<std::uint32_t> ByteReader::u32() {
    const auto value = littleEndian(4);
    if (!value) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::optional<std::int32_t> ByteReader::i32() {
    const auto value = u32();
    if (!value) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<double> ByteReader::f64() {
    const auto value = littleEndian(8);
    if (!value) return std::nullopt;
    return std::bit_cast<double>(*value);
}

std::optional<std::string> ByteReader::bytes(std::size_t n) {
    if (remaining() < n) return std::nullopt;
    std::string text(reinterpret_cast<const char*>(data_.data() + pos_), n);
    pos_ += n;
    return text;
}

}  // namespace orrery
