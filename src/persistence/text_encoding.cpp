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

// Decodes one UTF-8 sequence at `pos`; nullopt for anything malformed
// (overlong forms, surrogates, beyond U+10FFFF, truncated).
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (s.size() - pos < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    pos += length;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

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

bool isValidUtf8(std::string_view bytes) {
    return utf8ToCodePoints(bytes).has_value();
}

std::optional<std::u32string> utf8ToCodePoints(std::string_view bytes) {
    std::u32string codePoints;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto cp = nextCodePoint(bytes, pos);
        if (!cp) return std::nullopt;
        codePoints += *cp;
    }
    return codePoints;
}

std::string codePointsToUtf8(std::u32string_view codePoints) {
    std::string out;
    for (const char32_t cp : codePoints) appendUtf8(out, cp);
    return out;
}

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
