#include "persistence/profile_name.h"

#include "persistence/text_encoding.h"

namespace orrery {
namespace {

char32_t lowerCodePoint(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == 0x178) return 0xFF;  // Ÿ pairs with ÿ of Latin-1
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x138 && c != 0x149 && c != 0x17F) {
        // Latin Extended-A pairs capitals with the next code point; the run
        // from U+0139 to U+0148 and from U+0179 on is shifted by one.
        const bool oddRun = (c >= 0x139 && c <= 0x148) || c >= 0x179;
        const bool capital = oddRun ? (c % 2 == 1) : (c % 2 == 0);
        return capital ? c + 1 : c;
    }
    if ((c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

}  // namespace

std::string lowerCaseProfileName(std::string_view name) {
    auto codePoints = utf8ToCodePoints(name);
    if (!codePoints) return std::string(name);
    for (char32_t& c : *codePoints) c = lowerCodePoint(c);
    return codePointsToUtf8(*codePoints);
}

bool sameProfileName(std::string_view a, std::string_view b) {
    return lowerCaseProfileName(a) == lowerCaseProfileName(b);
}

std::optional<UserMessage> checkProfileName(std::string_view name) {
    if (name.empty())
        return UserMessage{"INPUT ERROR", "Please enter a profile name.", MessageIcon::Warning, MessageButtons::Ok};
    if (name.find_first_of("/\\") != std::string_view::npos)
        return UserMessage{"INPUT ERROR",
                           "A profile name cannot contain \"/\" or \"\\\". Please choose another name.",
                           MessageIcon::Warning, MessageButtons::Ok};
    return std::nullopt;
}

}  // namespace orrery
