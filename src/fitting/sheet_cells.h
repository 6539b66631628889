#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orrery {

// What one cell of a sheet holds, as far as importing numbers cares.
struct CellContent {
    enum class Kind { Empty, Number, Text, Other };
    Kind kind = Kind::Empty;
    double number = 0.0;
    std::string text;
};

// Read access to the cells of one sheet of a workbook read from a file.
class SheetCells {
public:
    virtual ~SheetCells() = default;
    // Row and column from 0; cells beyond the data are empty.
    virtual CellContent cell(int row, int column) const = 0;
};

// The sheet asked for, or why it could not be had: one of the import
// status codes (see range_reader.h).
struct SheetOpening {
    int status = 0;
    std::unique_ptr<SheetCells> sheet;
};

// Readers of the two libraries. They open the file for reading only and
// never write to it or lock it.
SheetOpening openOrcusSheet(const std::string& content, const std::string& sheetName, bool csv);
SheetOpening openXlsSheet(const std::string& path, const std::string& sheetName);

// The position of a sheet among the workbook's sheet names, matched as the
// spreadsheet programs do: exactly, or else without regard to the case of
// ASCII letters.
std::optional<std::size_t> findSheet(const std::vector<std::string>& names, const std::string& wanted);

}  // namespace orrery
