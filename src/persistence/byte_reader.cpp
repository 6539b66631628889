#include "persistence/byte_reader.h"

#include <bit>

#include "common/little_endian.h"

namespace orrery {

std::optional<std::uint64_t> ByteReader::littleEndian(std::size_t n) {
    const auto value =
        littleEndianAt(std::string_view(reinterpret_cast<const char*>(data_.data()), data_.size()), pos_, n);
    if (value) pos_ += n;
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
