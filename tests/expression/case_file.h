#pragma once

#include <string>
#include <vector>

#include "expression/key_table.h"

namespace orrery::testing {

// One line of a plain-text case file: fields separated by " | ", with \n
// standing for a line break. Blank lines and lines starting with # are skipped.
struct Case {
    int line = 0;
    std::vector<std::string> fields;
};

std::vector<Case> readCases(const std::string& fileName);

// Keys for a typed text in which {name} stands for the key of that name (for
// keys that have no typed character, such as {square} or {x_root_y}).
std::vector<ExpressionToken> keysFor(const std::string& text);

// A double written with "%.17g", or High / Low for the two markers.
double parseExpectedValue(const std::string& text);
std::string describeValue(double value);

}  // namespace orrery::testing
