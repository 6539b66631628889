#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_message.h"

namespace orrery {

// Which operand of a Matrices or Vectors window a cell belongs to.
enum class Operand { Left, Right, Result };

// Where the window puts the focus after refused cells.
struct CellFocus {
    Operand operand;
    std::size_t cell;
};

// The widest entries met while reading, from which the result's decimals follow.
struct DigitCounts {
    int decimals = 0;       // digits after the decimal point
    int integerDigits = 0;  // digits before it, of values of magnitude 1 or more

    void merge(const DigitCounts& other);
};

// One cell read by the window rules: only digits, signs and points, forming
// exactly one number. On success the counts take in the entry; on failure
// `characterProblem` (when given) receives the complaint about a character
// that is not allowed, or stays empty when the characters were all allowed.
std::optional<double> readEntry(std::string_view text, DigitCounts& counts,
                                std::string* characterProblem = nullptr);

// The answer to a "Fill" button: the text for every cell of the operand, or the problem.
struct FillOutcome {
    std::optional<UserMessage> problem;
    std::string cellText;
};

// Completes a "Fill": `problems` holds what is already wrong (no size chosen);
// the box must hold exactly one number.
FillOutcome fillFromBox(std::string problems, std::string_view boxText);

// The cells of an operand as read from its grid.
struct CellReading {
    std::vector<double> values;        // in cell order; 0 where a cell was refused
    std::string problems;              // every complaint, in cell order
    std::optional<std::size_t> firstBad;  // where the focus goes
    DigitCounts counts;

    bool ok() const { return problems.empty(); }
    std::optional<CellFocus> focus(Operand operand) const;
};

// `cells` in row-major order, `cols` of them to a row.
CellReading readMatrixCells(std::span<const std::string> cells, std::size_t rows, std::size_t cols,
                            Operand operand);
CellReading readVectorCells(std::span<const std::string> cells, std::size_t count, Operand operand);
// The rotation angle boxes of a vector.
CellReading readRotationAngles(std::span<const std::string> boxes, std::size_t count, Operand operand);

}  // namespace orrery
