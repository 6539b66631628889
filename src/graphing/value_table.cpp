#include "graphing/value_table.h"

#include <cmath>

#include "common/c_numeric.h"
#include "expression/markers.h"

namespace orrery {

std::optional<UserMessage> tableRangeProblem(const TableRange& range) {
    auto problem = [](std::string text) {
        return UserMessage{"Table of Values", std::move(text), MessageIcon::Warning, MessageButtons::Ok};
    };
    if (!std::isfinite(range.start) || !std::isfinite(range.step) || range.step == 0.0)
        return problem("Start and step need finite numbers, and the step cannot be 0.");
    if (range.count < 1 || range.count > kTableMaxRows)
        return problem("The number of rows needs to be from 1 to 100000.");
    if (!std::isfinite(tableX(range, range.count - 1)))
        return problem("The last row's x is too large to compute.");
    return std::nullopt;
}

double tableX(const TableRange& range, std::int64_t row) {
    return range.start + static_cast<double>(row) * range.step;
}

void tableBlock(const CompiledExpression& program, const TableRange& range, std::int64_t first,
                std::span<double> out) {
    std::vector<double> xs(out.size());
    for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = tableX(range, first + static_cast<std::int64_t>(i));
    program.evaluate(xs, out);
}

std::string tableCell(double value) { return isNoValue(value) ? std::string() : formatC("%.17g", value); }

std::string tableCsv(const TableRange& range, const std::vector<std::string>& names,
                     const std::vector<const CompiledExpression*>& curves) {
    std::string text = "x";
    for (const std::string& name : names) text += "," + name;
    text += "\n";
    const std::size_t rows = static_cast<std::size_t>(range.count);
    std::vector<std::vector<double>> columns(curves.size(), std::vector<double>(rows));
    for (std::size_t c = 0; c < curves.size(); ++c) tableBlock(*curves[c], range, 0, columns[c]);
    for (std::size_t r = 0; r < rows; ++r) {
        text += formatC("%.17g", tableX(range, static_cast<std::int64_t>(r)));
        for (const std::vector<double>& column : columns) text += "," + tableCell(column[r]);
        text += "\n";
    }
    return text;
}

}  // namespace orrery
