#include "persistence/byte_writer.h"

#include <array>
#include <bit>

namespace orrery {

void ByteWriter::littleEndian(std::uint64_t value, std::size_t n) {
    std::array<char, 8> b{};
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    out_.write(b.data(), static_cast<std::streamsize>(n));
}

void ByteWriter::u8(std::uint8_t value) { littleEndian(value, 1); }
void ByteWriter::u32(std::uint32_t value) { littleEndian(value, 4); }
void ByteWriter::f64(double value) { littleEndian(std::bit_cast<std::uint64_t>(value), 8); }

void ByteWriter::bytes(std::string_view data) {
    out_.write(data.data(), static_cast<std::streamsize>(data.size()));
}

}  // namespace orrery
