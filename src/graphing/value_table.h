#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/user_message.h"
#include "expression/compiled_expression.h"

namespace orrery {

// Rows x_k = start + k·step for k = 0 .. count − 1: each x computed afresh,
// so a long table does not drift by accumulated rounding.
struct TableRange {
    double start = 0.0;
    double step = 1.0;
    std::int64_t count = 11;
};

inline constexpr std::int64_t kTableMaxRows = 100000;

// The message for a range the table refuses; none for a good one.
std::optional<UserMessage> tableRangeProblem(const TableRange& range);

double tableX(const TableRange& range, std::int64_t row);

// The curve's values for rows first .. first + out.size() − 1 (no-value
// markers where it is undefined), computed as one batch.
void tableBlock(const CompiledExpression& program, const TableRange& range, std::int64_t first,
                std::span<double> out);

// "%.17g", or an empty text where the curve has no value.
std::string tableCell(double value);

// The whole table as comma-separated text: a header line "x,<names>", then
// one line per row.
std::string tableCsv(const TableRange& range, const std::vector<std::string>& names,
                     const std::vector<const CompiledExpression*>& curves);

}  // namespace orrery
