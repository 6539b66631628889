#pragma once

#include <string>
#include <vector>

#include "expression/key_table.h"

namespace orrery::testing {

// Keys for a typed text in which {name} stands for the key of that name (for
// keys that have no typed character, such as {square} or {x_root_y}).
std::vector<ExpressionToken> keysFor(const std::string& text);

// A double written with "%.17g", or High / Low for the two markers.
double parseExpectedValue(const std::string& text);
std::string describeValue(double value);

}  // namespace orrery::testing
