// Legacy .xls workbooks, read with FreeXL.
#include <freexl.h>

#include <cstdio>

#include "fitting/range_reader.h"
#include "fitting/sheet_cells.h"

namespace orrery {
namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
long daysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// FreeXL gives dates and times as text; a spreadsheet's value for them is
// the serial day number (days since 1899-12-30, the time as a fraction).
std::optional<double> serialFromText(const char* text, int type) {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    bool ok = false;
    if (type == FREEXL_CELL_DATE) ok = std::sscanf(text, "%d-%d-%d", &year, &month, &day) == 3;
    else if (type == FREEXL_CELL_DATETIME)
        ok = std::sscanf(text, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second) == 6;
    else ok = std::sscanf(text, "%d:%d:%d", &hour, &minute, &second) == 3;
    if (!ok) return std::nullopt;
    const long days = daysFromCivil(year, month, day) - daysFromCivil(1899, 12, 30);
    return static_cast<double>(days) + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

// Owns the FreeXL handle; the chosen sheet stays selected.
class XlsSheet : public SheetCells {
public:
    explicit XlsSheet(const void* handle) : handle_(handle) {
        if (freexl_worksheet_dimensions(handle_, &rows_, &columns_) != FREEXL_OK) rows_ = columns_ = 0;
    }
    ~XlsSheet() override { freexl_close(handle_); }
    XlsSheet(const XlsSheet&) = delete;
    XlsSheet& operator=(const XlsSheet&) = delete;

    CellContent cell(int row, int column) const override {
        CellContent content;
        FreeXL_CellValue value;
        if (static_cast<unsigned>(row) >= rows_ || static_cast<unsigned>(column) >= columns_ ||
            freexl_get_cell_value(handle_, static_cast<unsigned>(row), static_cast<unsigned short>(column), &value) !=
                FREEXL_OK)
            return content;
        switch (value.type) {
            case FREEXL_CELL_INT:
                content.kind = CellContent::Kind::Number;
                content.number = value.value.int_value;
                break;
            case FREEXL_CELL_DOUBLE:
                content.kind = CellContent::Kind::Number;
                content.number = value.value.double_value;
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
                content.kind = CellContent::Kind::Text;
                content.text = value.value.text_value ? value.value.text_value : "";
                break;
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                if (const auto serial = serialFromText(value.value.text_value, value.type)) {
                    content.kind = CellContent::Kind::Number;
                    content.number = *serial;
                } else {
                    content.kind = CellContent::Kind::Other;
                }
                break;
            default: break;  // FREEXL_CELL_NULL
        }
        return content;
    }

private:
    const void* handle_;
    unsigned rows_ = 0;
    unsigned short columns_ = 0;
};

}  // namespace

SheetOpening openXlsSheet(const std::string& path, const std::string& sheetName) {
    const void* handle = nullptr;
    if (freexl_open(path.c_str(), &handle) != FREEXL_OK) {
        if (handle) freexl_close(handle);
        return {kNotASpreadsheet, nullptr};
    }
    unsigned count = 0;
    std::vector<std::string> names;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) == FREEXL_OK) {
        for (unsigned i = 0; i < count; ++i) {
            const char* name = nullptr;
            freexl_get_worksheet_name(handle, static_cast<unsigned short>(i), &name);
            names.emplace_back(name ? name : "");
        }
    }
    const std::optional<std::size_t> index = findSheet(names, sheetName);
    if (!index || freexl_select_active_worksheet(handle, static_cast<unsigned short>(*index)) != FREEXL_OK) {
        freexl_close(handle);
        return {kSheetMissing, nullptr};
    }
    return {kReadOk, std::make_unique<XlsSheet>(handle)};
}

}  // namespace orrery
