#pragma once

#include <optional>

#include "expression/parse_item.h"

// The structural rules of reduction, shared by the reference engine and the
// compiler so that both read an item list the same way.

namespace orrery {

inline constexpr int kOperatorLevels = 4;

// The binding level of an operator item, weakest first: 0 for + -, 1 for × ÷,
// 2 for powers and roots, 3 for square and cube; nullopt for anything else.
inline std::optional<int> operatorLevel(const ParseItem& item) {
    if (item.kind != kOperatorKind && item.kind != kFunctionKind) return std::nullopt;
    const std::string& l = item.label;
    if (l == "+" || l == "-") return 0;
    if (l == "multiplication" || l == "division") return 1;
    if (l == "y^x" || l == "x_root_y") return 2;
    if (l == "square" || l == "cube") return 3;
    return std::nullopt;
}

// A function, then x or a number, then a square or cube: the power belongs to
// the argument (sin x² is sin(x²)).
inline bool isPowerAfterFunction(const ParseItem& function, const ParseItem& argument,
                                 const ParseItem& power) {
    return function.kind == kFunctionKind && (argument.is("x") || argument.isNumber()) &&
           (power.is("square") || power.is("cube"));
}

// The fixed right operand of a level-3 operator.
inline double fixedExponent(const ParseItem& power) { return power.is("square") ? 2.0 : 3.0; }

}  // namespace orrery
