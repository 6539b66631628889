#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace orrery {

// Writes the document's fields: little-endian, no padding between them.
class ByteWriter {
public:
    explicit ByteWriter(std::ostream& out) : out_(out) {}

    void u8(std::uint8_t value);
    void flag(bool value) { u8(value ? 1 : 0); }
    void u32(std::uint32_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void count(std::size_t value) { u32(static_cast<std::uint32_t>(value)); }
    void f64(double value);
    void bytes(std::string_view data);

    bool good() const { return out_.good(); }

private:
    void littleEndian(std::uint64_t value, std::size_t n);

    std::ostream& out_;
};

}  // namespace orrery
