#include <algorithm>

#include "common/c_numeric.h"
#include "fitting/sheet_cells.h"

namespace orrery {

std::optional<double> storedNumber(std::string_view text) {
    std::size_t used = 0;
    const double value = parseDoubleC(text, &used);
    if (used == 0 || used != text.size()) return std::nullopt;
    return value;
}

RangeCells::RangeCells(int top, int bottom, int left, ReadProgress progress)
    : top_(top),
      bottom_(bottom),
      left_(left),
      numbers_(static_cast<std::size_t>(bottom - top + 1) * 2),
      progress_(std::move(progress)) {}

void RangeCells::put(int row, int column, CellContent content) {
    if (!wants(row, column)) return;
    const std::size_t at = index(row, column);
    if (content.kind == CellContent::Kind::Number || content.kind == CellContent::Kind::Empty) {
        numbers_[at] = content.number;
        if (!others_.empty()) others_.erase(at);
    } else {
        others_[at] = std::move(content);
    }
}

CellContent RangeCells::at(int row, int column) const {
    const std::size_t at = index(row, column);
    if (const auto other = others_.find(at); other != others_.end()) return other->second;
    return CellContent::numberCell(numbers_[at]);
}

void RangeCells::reportRead(std::size_t done, std::size_t total) {
    if (!progress_ || total == 0) return;
    const int percent = static_cast<int>(std::min<std::size_t>(done, total) * 100 / total);
    if (percent <= reported_) return;
    reported_ = percent;
    progress_(percent);
}

}  // namespace orrery
