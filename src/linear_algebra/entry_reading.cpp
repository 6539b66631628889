#include "linear_algebra/entry_reading.h"

#include <algorithm>
#include <cmath>

#include "common/c_numeric.h"

namespace orrery {
namespace {

constexpr std::string_view kAllowed = "0123456789-+.";

const char* operandWord(Operand operand) {
    switch (operand) {
    case Operand::Left: return " left ";
    case Operand::Right: return " right ";
    case Operand::Result: return " result (bottom center) ";
    }
    return " ";
}

// The whole character at `pos`, so a multi-byte UTF-8 character is quoted intact.
std::string_view characterAt(std::string_view text, std::size_t pos) {
    std::size_t end = pos + 1;
    if (static_cast<unsigned char>(text[pos]) >= 0xC0)
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    return text.substr(pos, end - pos);
}

int integerDigitsOf(double value) {
    const double a = std::fabs(value);
    if (!(a >= 1.0) || !std::isfinite(a)) return 0;
    return static_cast<int>(std::floor(std::log10(a))) + 1;
}

int decimalsOf(std::string_view text) {
    const std::size_t point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Reads every cell, collecting one complaint per refused cell.
template <typename Describe>
CellReading readCells(std::span<const std::string> cells, std::size_t count, Describe describe) {
    CellReading reading;
    reading.values.assign(count, 0.0);
    for (std::size_t k = 0; k < count; ++k) {
        std::string characterProblem;
        const std::string_view text = k < cells.size() ? std::string_view(cells[k]) : std::string_view();
        if (const auto value = readEntry(text, reading.counts, &characterProblem)) {
            reading.values[k] = *value;
            continue;
        }
        reading.problems += characterProblem + describe(k);
        if (!reading.firstBad) reading.firstBad = k;
    }
    return reading;
}

}  // namespace

void DigitCounts::merge(const DigitCounts& other) {
    decimals = std::max(decimals, other.decimals);
    integerDigits = std::max(integerDigits, other.integerDigits);
}

std::optional<CellFocus> CellReading::focus(Operand operand) const {
    if (!firstBad) return std::nullopt;
    return CellFocus{operand, *firstBad};
}

std::optional<double> readEntry(std::string_view text, DigitCounts& counts, std::string* characterProblem) {
    const std::size_t allowed = std::min(text.find_first_not_of(kAllowed), text.size());
    if (allowed < text.size()) {
        if (characterProblem)
            *characterProblem =
                " The only characters allowed for this, the Linear Algebra, module are digits, + and - "
                "signs and decimal points. The character: '" +
                std::string(characterAt(text, allowed)) + "' is not recognized here.\n\n";
        return std::nullopt;
    }
    std::size_t consumed = 0;
    const double value = parseDoubleC(text, &consumed);
    if (text.empty() || consumed != text.size()) return std::nullopt;
    counts.merge({decimalsOf(text), integerDigitsOf(value)});
    return value;
}

FillOutcome fillFromBox(std::string problems, std::string_view boxText) {
    DigitCounts unused;
    if (!readEntry(boxText, unused))
        problems += "Please put a single number in the box underneath the \"Fill\" button you just pressed\n";
    if (!problems.empty()) return {UserMessage{"INPUT ERROR", std::move(problems)}, {}};
    return {std::nullopt, std::string(boxText)};
}

CellReading readMatrixCells(std::span<const std::string> cells, std::size_t rows, std::size_t cols,
                            Operand operand) {
    return readCells(cells, rows * cols, [&](std::size_t k) {
        return "Please put a single number in entry Row: " + std::to_string(k / cols + 1) +
               " Column: " + std::to_string(k % cols + 1) + " of the " + operandWord(operand) +
               "matrix.\n";
    });
}

CellReading readVectorCells(std::span<const std::string> cells, std::size_t count, Operand operand) {
    return readCells(cells, count, [&](std::size_t k) {
        return "Please put a single number in entry: " + std::to_string(k + 1) + " of the " +
               operandWord(operand) + "vector.\n";
    });
}

CellReading readRotationAngles(std::span<const std::string> boxes, std::size_t count, Operand operand) {
    return readCells(boxes, count, [&](std::size_t k) {
        return "Please put a single number for the rotation coefficient: " + std::to_string(k + 1) +
               " of the " + operandWord(operand) + "vector.\n";
    });
}

}  // namespace orrery
