#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orrery {

// Decodes the UTF-8 sequence at `pos` and moves past it; nullopt (pos
// unchanged) for anything malformed: overlong forms, surrogates, code points
// beyond U+10FFFF, a sequence cut short.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos);
void appendUtf8(std::string& out, char32_t codePoint);

bool isValidUtf8(std::string_view bytes);
// The code points of a UTF-8 text, or nullopt when it is not valid UTF-8.
std::optional<std::u32string> utf8ToCodePoints(std::string_view bytes);
std::string codePointsToUtf8(std::u32string_view codePoints);

// Lenient decoding for typed input: each malformed byte becomes U+FFFD.
std::u32string decodeUtf8(std::string_view utf8);

}  // namespace orrery
