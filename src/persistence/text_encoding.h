#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/utf8.h"

namespace orrery {

// The graph text travels in documents as bytes. Older documents hold
// Windows-1252; text that code page cannot hold is stored as UTF-8. These
// two choices are made so that every text reads back as it was written.

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
