#include "fitting/spreadsheet_source.h"

#include "fitting/cell_reference.h"
#include "fitting/range_reader.h"

namespace orrery {
namespace {

UserMessage importMessage(const RangeRead& read, const SpreadsheetSource& source) {
    switch (read.status) {
        case kNotTwoColumns:
            return {"Range Error",
                    "Please choose adjacent columns. i.e. (A and B) or (B and C) or (C and D) ...."};
        case kFileUnreadable: return {"FILE ERROR", "Could not open the file: " + source.filePath()};
        case kNotASpreadsheet:
            return {"FILE ERROR", "The file " + source.filePath() +
                                      " is not a spreadsheet that can be read (.xlsx, .ods, .csv or .xls)."};
        case kSheetMissing:
            return {"FILE ERROR",
                    "The file " + source.filePath() + " has no sheet named \"" + source.sheetName() + "\"."};
        case kBadRange:
            return {"Range Error", "\"" + source.topLeft() + "\" to \"" + source.bottomRight() +
                                       "\" is not a range of cells. Please enter a column of letters and a "
                                       "row number, such as A1."};
        default:
            if (!read.problem.empty()) return {"Data Entry Error", read.problem};
            return {"Data Entry Error",
                    "Please ensure that you have filled the two columns specified with numerical data."};
    }
}

}  // namespace

void SpreadsheetSource::setTopLeftColumn(const std::string& column) { topLeft_ = column + rowPart(topLeft_); }
void SpreadsheetSource::setTopLeftRow(const std::string& row) { topLeft_ = columnPart(topLeft_) + row; }
void SpreadsheetSource::setBottomRightColumn(const std::string& column) {
    bottomRight_ = column + rowPart(bottomRight_);
}
void SpreadsheetSource::setBottomRightRow(const std::string& row) {
    bottomRight_ = columnPart(bottomRight_) + row;
}

std::optional<UserMessage> SpreadsheetSource::importColumns(const ReadProgress& progress) {
    RangeRead read = readRange(filePath_, sheetName_, topLeft_, bottomRight_, progress);
    if (read.status != kReadOk) return importMessage(read, *this);
    x_ = std::move(read.x);
    y_ = std::move(read.y);
    return std::nullopt;
}

}  // namespace orrery
