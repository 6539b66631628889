#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orrery {

// Reads the document's fields from bytes already in memory. Every read is
// checked against the bytes that remain: a read past the end yields nullopt,
// so a truncated file can never leave a field half-filled.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::optional<std::uint8_t> u8();
    std::optional<std::uint32_t> u32();
    std::optional<std::int32_t> i32();
    std::optional<double> f64();
    std::optional<std::string> bytes(std::size_t n);

    std::size_t remaining() const { return data_.size() - pos_; }
    // Whether `count` elements of `elementSize` bytes each can still follow.
    bool fits(std::uint64_t count, std::size_t elementSize) const {
        return count <= remaining() / elementSize;
    }

private:
    std::optional<std::uint64_t> littleEndian(std::size_t n);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

}  // namespace orrery
