#pragma once

#include <optional>
#include <string>
#include <vector>

#include "expression/key_table.h"
#include "expression/parse_item.h"

namespace orrery {

// How the program understood an expression, in ordinary notation: every
// function argument in brackets, products and signs made explicit ("3sinx"
// reads "3·sin(x)", "sin3x" reads "sin(3·x)", "2×−3" reads "2·(−3)").
// Printed from the tree both evaluators reduce, so it shows exactly what is
// computed: a stray operand that the reduction overwrites does not appear.
// Numbers are written with the fewest digits that read back to the same
// value; PI and e as π and e.
std::optional<std::string> readingOf(const ParseItemList& normalisedItems);

struct InputReading {
    std::string text;
    std::optional<UserMessage> message;  // the first syntax message, as Sketch shows it
};

// The reading of a curve's keys, or the message that stops its drawing.
InputReading readInput(const std::vector<ExpressionToken>& tokens,
                       const ExpressionContext& context);

}  // namespace orrery
