#pragma once

#include <optional>
#include <vector>

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

// Rewrites every function-argument-power triple f a ² of a list into
// f ( a ² ), in one left-to-right pass; true when anything changed. itemOf
// reads an element as a ParseItem, bracket(c) makes a "(" or ")" element.
template <class Element, class ItemOf, class Bracket>
bool bracketPowersAfterFunctions(std::vector<Element>& list, ItemOf itemOf, Bracket bracket) {
    std::vector<Element> out;
    bool rewritten = false;
    std::size_t i = 0;
    for (; i + 2 < list.size(); ++i) {
        if (isPowerAfterFunction(itemOf(list[i]), itemOf(list[i + 1]), itemOf(list[i + 2]))) {
            out.insert(out.end(), {list[i], bracket('('), list[i + 1], list[i + 2], bracket(')')});
            i += 2;
            rewritten = true;
        } else {
            out.push_back(list[i]);
        }
    }
    if (!rewritten) return false;
    out.insert(out.end(), list.begin() + static_cast<std::ptrdiff_t>(i), list.end());
    list = std::move(out);
    return true;
}

// The fixed right operand of a level-3 operator.
inline double fixedExponent(const ParseItem& power) { return power.is("square") ? 2.0 : 3.0; }

}  // namespace orrery
