#pragma once

#include <string>
#include <vector>

#include "fitting/read_progress.h"

namespace orrery {

// Status codes of readRange. The numbers are those the import has always
// reported; codes for steps this reader does not have are not used.
enum ReadStatus : int {
    kReadOk = 0,
    kFileUnreadable = 2,  // the file cannot be opened for reading
    kNotASpreadsheet = 5,  // the file is not a workbook this reader knows
    kSheetMissing = 7,  // no sheet of that name in the workbook
    kBadRange = 8,  // a corner is not a cell reference
    kNotTwoColumns = 11,  // the range does not span two columns, e.g. one cell
    kNotANumber = 15,  // a cell holds something that is not a number
};

struct RangeRead {
    int status = kReadOk;
    std::vector<double> x;
    std::vector<double> y;
    // With kNotANumber, when the cell holds a value that cannot be had
    // (a formula's error or a result the file does not store): which cell,
    // and why, e.g. "Cell B7 holds a formula whose result this file does
    // not store."; empty for a cell that simply holds text.
    std::string problem;
};

// Reads the first two columns of the range between the two corner cells of
// the named sheet, straight from the file (.xlsx, .ods, .csv, legacy .xls):
// x from the first column, y from the second, one pair per row. Each cell
// gives the number the file stores: a formula its stored result; a date,
// time, percentage, currency or boolean cell the number behind it. Empty
// cells read as 0; a text cell counts when it holds a number and nothing
// else. A .csv file has one sheet, whatever name is asked for. The file is
// only read, never changed. `progress` hears how far the read has gone.
RangeRead readRange(const std::string& path, const std::string& sheetName, const std::string& topLeft,
                    const std::string& bottomRight, const ReadProgress& progress = {});

}  // namespace orrery
