#pragma once

#include <optional>
#include <string_view>

namespace orrery {

// A degrees-of-freedom box read as "%d": nothing when it holds no number;
// a number beyond int counts as INT_MAX (or INT_MIN), so the setters refuse
// it as too large (or too small) instead of calling it no number.
std::optional<int> scanDegrees(std::string_view text);

}  // namespace orrery
