#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orrery {

// The column letters of a cell such as "B12": the text before its first
// digit, or the whole text when it has no digit or starts with one; "A" for
// an empty cell.
std::string columnPart(std::string_view cell);
// The row digits of a cell: from its first digit on, or the whole text when
// it has no digit or starts with one; "1" for an empty cell.
std::string rowPart(std::string_view cell);

// A cell position counted from 0: "A1" is row 0, column 0.
struct CellAddress {
    int row = 0;
    int column = 0;

    friend bool operator==(const CellAddress&, const CellAddress&) = default;
};

// The largest sheet a spreadsheet program makes: 1048576 rows, columns A..XFD.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

// The name of a cell as a user writes it: row 6, column 1 is "B7".
std::string cellName(int row, int column);

// Letters (either case) then digits, inside the largest sheet; else nothing.
std::optional<CellAddress> parseCell(std::string_view cell);

}  // namespace orrery
