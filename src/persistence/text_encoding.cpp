#include "persistence/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace orrery {
namespace {

// Code points of the bytes 0x80-0x9F; from 0xA0 on, byte and code point agree.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<unsigned char> windows1252Code(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    const auto* found = std::find(kHighControls.begin(), kHighControls.end(), cp);
    if (found == kHighControls.end()) return std::nullopt;
    return static_cast<unsigned char>(0x80 + (found - kHighControls.begin()));
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::optional<std::string> toWindows1252(std::string_view utf8) {
    const auto codePoints = utf8ToCodePoints(utf8);
    if (!codePoints) return std::nullopt;
    std::string out;
    for (const char32_t cp : *codePoints) {
        const auto code = windows1252Code(cp);
        if (!code) return std::nullopt;
        out += static_cast<char>(*code);
    }
    return out;
}

std::string fromWindows1252(std::string_view bytes) {
    std::u32string codePoints;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        codePoints += b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b};
    }
    return codePointsToUtf8(codePoints);
}

std::string encodeGraphText(std::string_view utf8) {
    if (const auto legacy = toWindows1252(utf8); legacy && (isAscii(*legacy) || !isValidUtf8(*legacy)))
        return *legacy;
    return std::string(utf8);
}

std::string decodeGraphText(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : fromWindows1252(bytes);
}

}  // namespace orrery
