#include "fitting/cell_reference.h"

#include <cctype>

namespace orrery {
namespace {

// Where the row part starts, or npos when the text is taken whole.
std::size_t splitPoint(std::string_view cell) {
    const std::size_t digit = cell.find_first_of("1234567890");
    return digit == 0 ? std::string_view::npos : digit;
}

}  // namespace

std::string columnPart(std::string_view cell) {
    if (cell.empty()) return "A";
    return std::string(cell.substr(0, splitPoint(cell)));
}

std::string rowPart(std::string_view cell) {
    if (cell.empty()) return "1";
    const std::size_t split = splitPoint(cell);
    return std::string(split == std::string_view::npos ? cell : cell.substr(split));
}

std::string cellName(int row, int column) {
    std::string letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26) letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters + std::to_string(row + 1);
}

std::optional<CellAddress> parseCell(std::string_view cell) {
    std::size_t i = 0;
    long column = 0;
    for (; i < cell.size() && std::isalpha(static_cast<unsigned char>(cell[i])); ++i) {
        column = column * 26 + (std::toupper(static_cast<unsigned char>(cell[i])) - 'A' + 1);
        if (column > kMaxColumns) return std::nullopt;
    }
    if (i == 0 || i == cell.size()) return std::nullopt;
    long row = 0;
    for (; i < cell.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(cell[i]))) return std::nullopt;
        row = row * 10 + (cell[i] - '0');
        if (row > kMaxRows) return std::nullopt;
    }
    if (row < 1) return std::nullopt;
    return CellAddress{static_cast<int>(row - 1), static_cast<int>(column - 1)};
}

}  // namespace orrery
