#pragma once

#include <string>

#include "graphing/curve.h"

namespace orrery {

// The number of characters the value display gives a result: the text width
// less five characters of room, at least 8 and at most 17.
int valueDigits(int textWidth, int averageCharWidth);

// What the value display shows for a curve, and whether that is a result that
// can be copied or pasted.
struct ValueText {
    std::string text;
    bool hasResult = false;

    friend bool operator==(const ValueText&, const ValueText&) = default;
};

ValueText valueText(const Curve& curve, int digits);

}  // namespace orrery
