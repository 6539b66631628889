#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/user_message.h"

namespace orrery {

// One element of a parsed expression: a number (kind 0, constants PI and e
// included) or a labelled symbol whose kind is the key class of its token.
struct ParseItem {
    double value = 0.0;
    std::string label;
    std::int32_t kind = 0;

    bool isNumber() const { return kind == 0; }
    bool isSymbol() const { return kind != 0; }
    bool is(const char* symbol) const { return kind != 0 && label == symbol; }

    friend bool operator==(const ParseItem&, const ParseItem&) = default;
};

using ParseItemList = std::vector<ParseItem>;

inline constexpr std::int32_t kFunctionKind = 1;
inline constexpr std::int32_t kBracketKind = 2;
inline constexpr std::int32_t kOperatorKind = 4;

inline ParseItem numberItem(double value) { return ParseItem{value, {}, 0}; }
inline ParseItem symbolItem(std::string label, std::int32_t kind) {
    return ParseItem{0.0, std::move(label), kind};
}

// The per-curve context of checks and evaluation.
struct ExpressionContext {
    double xMin = -5.0;
    double xMax = 5.0;
    std::int32_t pointCount = 500;
    std::int32_t curveIndex = 0;  // zero-based; messages count from 1
};

// A syntax message for the curve of `context`.
UserMessage syntaxError(const ExpressionContext& context, std::string text);

}  // namespace orrery
