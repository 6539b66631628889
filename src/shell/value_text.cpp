#include "shell/value_text.h"

#include <algorithm>

#include "expression/number_format.h"

namespace orrery {

int valueDigits(int textWidth, int averageCharWidth) {
    if (averageCharWidth <= 0) return 8;
    return std::clamp((textWidth - 5 * averageCharWidth) / averageCharWidth, 8, 17);
}

ValueText valueText(const Curve& curve, int digits) {
    switch (curve.valueState) {
        case ValueState::Varies:
            return ValueText{};
        case ValueState::Constant:
            return ValueText{FormatForDisplay(curve.value, digits, digits), true};
        case ValueState::Undefined:
            break;
    }
    // No value to copy: "Out of Bounds" is a message, not a result.
    return ValueText{"Out of Bounds", false};
}

}  // namespace orrery
