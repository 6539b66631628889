#include "utilities/number_systems.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/c_numeric.h"

namespace orrery {
namespace {

constexpr std::uint64_t kTwoTo31 = 1ull << 31;
constexpr std::size_t kLongestWholePart = 31;
constexpr std::size_t kLongestBinaryWholePart = 32;
constexpr std::size_t kFractionDigits = 21;
constexpr std::size_t kMostDecimalFractionDigits = 21;
constexpr std::size_t kMostOctalFractionDigitsForBinary = 21;
constexpr std::size_t kMostHexFractionDigitsForBinary = 7;

int baseOf(NumberSystem system) {
    switch (system) {
    case NumberSystem::Base10: return 10;
    case NumberSystem::Binary: return 2;
    case NumberSystem::Hexadecimal: return 16;
    case NumberSystem::Octal: return 8;
    }
    return 10;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool allDigitsOf(std::string_view digits, int base) {
    for (const char c : digits)
        if (digitValue(c) >= base) return false;
    return true;
}

// Reading as "%d", "%x" or "%o" do: leading blanks, a plus sign, "0x" before
// hexadecimal digits, then as many digits as there are. Saturates far above 2^31.
std::optional<std::uint64_t> scanWhole(std::string_view text, int base) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i < text.size() && text[i] == '+') ++i;
    if (base == 16 && i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
        digitValue(text[i + 2]) < 16)
        i += 2;
    std::uint64_t value = 0;
    const std::size_t first = i;
    for (; i < text.size() && digitValue(text[i]) < base; ++i)
        value = std::min<std::uint64_t>(value * static_cast<std::uint64_t>(base) + digitValue(text[i]), 1ull << 40);
    if (i == first) return std::nullopt;
    return value;
}

// How the whole part of a decimal, hexadecimal or octal number is read: what
// is said when nothing reads, the largest value taken and what is said above it.
struct WholeRules {
    const char* unreadable;
    std::uint64_t largest;
    std::string tooLarge;
};

WholeRules wholeRules(NumberSystem from) {
    const auto limit = static_cast<unsigned long long>(kTwoTo31);
    switch (from) {
    case NumberSystem::Hexadecimal:
        return {"Cannot interpret input as an hexadecimal integer\n", kTwoTo31,
                formatC("Input must be no larger than 0x%llx", limit)};
    case NumberSystem::Octal:
        return {"Cannot interpret input as an octal integer\n", kTwoTo31,
                formatC("Input must be no larger than %llooctal\n", limit)};
    default:
        return {"Cannot interpret input as an integer\n", kTwoTo31 - 1,
                "The number you have entered is too large. This program can process numbers less than 2^31\n"};
    }
}

// The whole part as a value, or the reasons it cannot be one.
std::optional<std::uint64_t> readWholePart(std::string_view whole, NumberSystem from, std::string& error) {
    if (from == NumberSystem::Binary) {
        if (whole.empty() || !allDigitsOf(whole, 2))
            error += "Binary digits are limited to '0' and '1' .";
        else if (whole.size() > kLongestBinaryWholePart)
            error += "Sorry, conversion from binary limited to 32 characters before the decimal place\n";
        else
            return scanWhole(whole, 2);
        return std::nullopt;
    }
    const WholeRules rules = wholeRules(from);
    const auto value = scanWhole(whole, baseOf(from));
    if (!value)
        error += rules.unreadable;
    else if (*value > rules.largest)
        error += rules.tooLarge;
    else
        return value;
    return std::nullopt;
}

std::string writeWhole(std::uint64_t value, int base) {
    if (value == 0) return "0";
    std::string digits;
    for (; value > 0; value /= static_cast<std::uint64_t>(base))
        digits.insert(digits.begin(), "0123456789abcdef"[value % static_cast<std::uint64_t>(base)]);
    return digits;
}

// Hexadecimal and octal fractions reach each other through binary, so the
// limits on going to binary hold for them too.
bool goesThroughBinary(NumberSystem from, NumberSystem to) {
    return to == NumberSystem::Binary || (from == NumberSystem::Hexadecimal && to == NumberSystem::Octal) ||
           (from == NumberSystem::Octal && to == NumberSystem::Hexadecimal);
}

// Empty when the fraction digits are fine, otherwise why they are not.
std::string checkFraction(std::string_view digits, NumberSystem from, NumberSystem to) {
    const std::string quoted = "Cannot interpret input '" + std::string(digits) + "' as an ";
    switch (from) {
    case NumberSystem::Base10:
        if (!allDigitsOf(digits, 10)) return "Cannot interpret input after the decimal as digits";
        if (digits.size() > kMostDecimalFractionDigits)
            return "This program cannot handle more than " + std::to_string(kMostDecimalFractionDigits) +
                   " digits after the decimal place\n";
        return {};
    case NumberSystem::Binary:
        return allDigitsOf(digits, 2) ? "" : "Binary digits are limited to '0' and '1' .";
    case NumberSystem::Octal:
    case NumberSystem::Hexadecimal: {
        const bool octal = from == NumberSystem::Octal;
        const std::size_t most = octal ? kMostOctalFractionDigitsForBinary : kMostHexFractionDigitsForBinary;
        if (!allDigitsOf(digits, baseOf(from))) return quoted + (octal ? "octal" : "hexadecimal") + " integer\n";
        if (goesThroughBinary(from, to) && digits.size() > most)
            return std::string("Too many ") + (octal ? "octal" : "hex") +
                   " digits after the decimal to convert to binary\nThe program cannot process more than " +
                   std::to_string(most) + " digits\n";
        return {};
    }
    }
    return {};
}

// The fraction 0.d1d2... of base `from` in base `to`, exactly: the digits are
// multiplied by the target base as one long number, and what carries out of
// the front is the next target digit.
std::string convertFraction(std::string_view digits, int from, int to) {
    std::vector<int> fraction;
    for (const char c : digits) fraction.push_back(digitValue(c));
    std::string result;
    for (std::size_t round = 0; round < kFractionDigits; ++round) {
        int carry = 0;
        for (std::size_t i = fraction.size(); i-- > 0;) {
            const int v = fraction[i] * to + carry;
            fraction[i] = v % from;
            carry = v / from;
        }
        result += "0123456789abcdef"[carry];
    }
    const std::size_t last = result.find_last_not_of('0');
    return last == std::string::npos ? "0" : result.substr(0, last + 1);
}

}  // namespace

NumberConversion convertNumber(std::string_view text, int fromSystem, int toSystem) {
    if (fromSystem < 0 || fromSystem > 3 || toSystem < 0 || toSystem > 3) return {{}, "No such measurement type"};
    if (text.find('-') != std::string_view::npos)
        return {{}, kNegativeNumberSystemInput};
    const auto from = static_cast<NumberSystem>(fromSystem);
    const auto to = static_cast<NumberSystem>(toSystem);

    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    std::string error;
    if (whole.size() > kLongestWholePart)
        error += "The number you have entered is too large. This program can process numbers less than 2^31\n";
    if (fraction.find('.') != std::string_view::npos)
        error += "There cannot be more than one decimal point in a number.\n";
    if (!error.empty()) return {{}, error};

    // ".5" is a half: an empty whole part before a fraction is zero.
    const std::string_view wholeText = whole.empty() && !fraction.empty() ? std::string_view("0") : whole;
    const auto value = readWholePart(wholeText, from, error);
    if (!fraction.empty()) error += checkFraction(fraction, from, to);
    if (!value || !error.empty()) return {{}, error};

    std::string result = writeWhole(*value, baseOf(to));
    if (!fraction.empty()) result += "." + convertFraction(fraction, baseOf(from), baseOf(to));
    return {result, {}};
}

}  // namespace orrery
