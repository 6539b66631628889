#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fitting/read_progress.h"

namespace orrery {

class ZipPackage;

// What one cell of a sheet holds, as far as importing numbers cares.
struct CellContent {
    enum class Kind {
        Empty,
        Number,    // numbers, and dates, times, percentages, currency, booleans as their number
        Text,      // text, which still counts when it spells a number
        Error,     // a formula whose stored result is an error value; text holds it, e.g. "#DIV/0!"
        NoResult,  // a formula whose result the file does not store
        Unreadable,  // a value the file holds in a form we cannot turn into a number
    };
    Kind kind = Kind::Empty;
    double number = 0.0;
    std::string text;

    static CellContent numberCell(double value) { return {Kind::Number, value, {}}; }
    static CellContent textCell(std::string value) { return {Kind::Text, 0.0, std::move(value)}; }
    static CellContent numberOrUnreadable(std::optional<double> value) {
        return value ? numberCell(*value) : CellContent{Kind::Unreadable, 0.0, {}};
    }
};

// A number as a workbook file writes a value: the whole text, in the C
// locale's form, subnormal numbers kept.
std::optional<double> storedNumber(std::string_view text);

// The cells a read asks for, filled in by a workbook reader: the rows from
// top to bottom of two adjacent columns. Readers look at no other cell, so
// nothing elsewhere in the file can make a read fail, and they may stop
// once past the bottom row. Cells never handed over stay empty.
class RangeCells {
  public:
    RangeCells(int top, int bottom, int left, ReadProgress progress = {});

    int top() const { return top_; }
    int bottom() const { return bottom_; }
    int left() const { return left_; }
    int right() const { return left_ + 1; }
    bool wantsRow(int row) const { return row >= top_ && row <= bottom_; }
    bool wants(int row, int column) const {
        return wantsRow(row) && column >= left_ && column <= left_ + 1;
    }
    bool pastEnd(int row) const { return row > bottom_; }

    // Ignored outside the range.
    void put(int row, int column, CellContent content);
    CellContent at(int row, int column) const;

    // How far the reader has gone through its data; reported to the caller
    // as a whole percentage, each one once.
    void reportRead(std::size_t done, std::size_t total);

  private:
    std::size_t index(int row, int column) const {
        return static_cast<std::size_t>(row - top_) * 2 + static_cast<std::size_t>(column - left_);
    }

    int top_, bottom_, left_;
    // Numbers (and empty cells, as 0) densely, as most cells are numbers;
    // the rest by their index, so a whole column asked for stays small.
    std::vector<double> numbers_;
    std::unordered_map<std::size_t, CellContent> others_;
    ReadProgress progress_;
    int reported_ = -1;
};

// Readers of each kind of workbook, given the file's bytes (or the zip
// package made of them). They return a status of range_reader.h: kReadOk,
// kNotASpreadsheet or kSheetMissing. None of them writes, locks or
// reopens the user's file.
int readXlsxRange(const ZipPackage& zip, const std::string& sheetName, RangeCells& cells);
int readOdsRange(const ZipPackage& zip, const std::string& sheetName, RangeCells& cells);
int readXlsRange(const std::string& content, const std::string& sheetName, RangeCells& cells);
// A .csv file has one sheet, whatever name is asked for.
int readCsvRange(const std::string& content, RangeCells& cells);

// The position of a sheet among the workbook's sheet names, matched as the
// spreadsheet programs do: exactly, or else without regard to the case of
// ASCII letters.
std::optional<std::size_t> findSheet(const std::vector<std::string>& names,
                                     const std::string& wanted);

}  // namespace orrery
