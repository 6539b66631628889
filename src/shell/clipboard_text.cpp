#include "shell/clipboard_text.h"

#include "common/utf8.h"
#include "expression/number_format.h"

namespace orrery {

std::optional<std::string> resultText(const Curve& curve) {
    if (curve.valueState != ValueState::Constant) return std::nullopt;
    constexpr int kPlaces = 17;
    return FormatForDisplay(curve.value, kPlaces, kPlaces);
}

std::u32string charactersToType(std::string_view utf8) {
    if (utf8.ends_with("\r\n"))
        utf8.remove_suffix(2);
    else if (utf8.ends_with('\n') || utf8.ends_with('\r'))
        utf8.remove_suffix(1);
    std::u32string characters = decodeUtf8(utf8);
    for (char32_t& c : characters)
        if (c == U'\u00B7' || c == U'\u00D7') c = U'*';
    return characters;
}

}  // namespace orrery
