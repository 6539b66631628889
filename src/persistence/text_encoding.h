#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orrery {

// The graph text travels in documents as bytes. Older documents hold
// Windows-1252; text that code page cannot hold is stored as UTF-8. These
// two choices are made so that every text reads back as it was written.

bool isValidUtf8(std::string_view bytes);
// The code points of a UTF-8 text, or nullopt when it is not valid UTF-8.
std::optional<std::u32string> utf8ToCodePoints(std::string_view bytes);
std::string codePointsToUtf8(std::u32string_view codePoints);

// Windows-1252 bytes of a UTF-8 text, or nullopt when a character has no code
// there. The five unassigned codes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for
// the control characters of the same number, so any byte reads as a character.
std::optional<std::string> toWindows1252(std::string_view utf8);
std::string fromWindows1252(std::string_view bytes);

// Windows-1252 when every character has a code there and the bytes cannot be
// mistaken for UTF-8 (plain ASCII, or not valid UTF-8); UTF-8 otherwise.
std::string encodeGraphText(std::string_view utf8);
// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
std::string decodeGraphText(std::string_view bytes);

}  // namespace orrery
