#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "graphing/curve.h"

namespace orrery {

// What Copy Result puts on the clipboard and Paste Result types: the current
// curve's constant at 17 places, or nothing when its value is not constant.
std::optional<std::string> resultText(const Curve& curve);

// Clipboard text as characters for the keyboard path. The multiplication dot
// of a result in scientific form ("1.5·10^20") and the sign "×" type as "*",
// so the pasted number keeps its value; one line break at the end (as other
// programs copy a line) is dropped rather than pressing Enter.
std::u32string charactersToType(std::string_view utf8);

}  // namespace orrery
