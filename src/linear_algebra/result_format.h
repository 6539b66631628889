#pragma once

#include <span>
#include <string>
#include <vector>

#include "linear_algebra/entry_reading.h"

namespace orrery {

// How an operation's arithmetic bears on the decimals its results deserve.
enum class ResultArithmetic {
    Plain,       // sums, products, transposes, determinants, rotations
    Dividing,    // inverse, echelon form, normalisation
    Projection,  // projections and perpendicular components: always 6
};

// The number of decimals for the entries of a result, from the widest operand
// entries; never more than 6.
int resultDecimals(ResultArithmetic arithmetic, const DigitCounts& counts);

// One result entry with that many decimals. Values that are not finite (an
// overflowing product, say) read "Overflow", "-Overflow" or "Undefined" rather
// than the C library's "inf" and "nan", and zero never carries a minus sign.
std::string formatResultEntry(double value, int decimals);
std::vector<std::string> formatResultEntries(std::span<const double> values, int decimals);

}  // namespace orrery
