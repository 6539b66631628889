#pragma once

#include <string>
#include <string_view>

namespace orrery {

// Negative numbers are not converted between systems.
inline constexpr const char* kNegativeNumberSystemInput =
    "For number system conversion, please put in a single positive number in the left edit box. Your input "
    "included a negative sign.";

// The number systems by their index in the dialog's sorted unit list.
enum class NumberSystem { Base10 = 0, Binary = 1, Hexadecimal = 2, Octal = 3 };

struct NumberConversion {
    std::string result;  // empty when refused
    std::string error;   // every reason for refusing, one after the other

    bool ok() const { return error.empty(); }
};

// Converts a non-negative number with an optional fraction between the four
// systems. The whole part must stay below 2^31 (2^31 itself in hexadecimal and
// octal); the fraction is converted exactly and cut after 21 digits, with
// trailing zeros dropped (one zero stays after the point).
NumberConversion convertNumber(std::string_view text, int fromSystem, int toSystem);

}  // namespace orrery
