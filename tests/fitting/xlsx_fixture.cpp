#include "xlsx_fixture.h"

#include <xlsxwriter.h>

#include <stdexcept>

namespace orrery::test {

std::string writeXlsxFixture(const std::string& folder) {
    const std::string path = folder + "/points.xlsx";
    lxw_workbook* book = workbook_new(path.c_str());
    if (!book) throw std::runtime_error("cannot create " + path);

    lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
    worksheet_write_string(sheet, 0, 0, "x", nullptr);
    worksheet_write_string(sheet, 0, 1, "y", nullptr);
    worksheet_write_string(sheet, 0, 2, "note", nullptr);
    for (int i = 1; i <= 5; ++i) {
        worksheet_write_number(sheet, static_cast<lxw_row_t>(i), 0, i, nullptr);
        worksheet_write_number(sheet, static_cast<lxw_row_t>(i), 1, 2 * i - 1, nullptr);
        worksheet_write_number(sheet, static_cast<lxw_row_t>(i), 2, 100 + i, nullptr);
    }
    worksheet_write_number(sheet, 6, 0, 6, nullptr);
    worksheet_write_string(sheet, 7, 0, "seven", nullptr);
    worksheet_write_number(sheet, 7, 1, 13, nullptr);
    worksheet_write_string(sheet, 8, 0, " 8 ", nullptr);
    worksheet_write_number(sheet, 8, 1, 15, nullptr);

    lxw_worksheet* second = workbook_add_worksheet(book, "Second");
    for (int i = 0; i < 3; ++i) {
        const double x = 10.0 * (i + 1);
        worksheet_write_number(second, static_cast<lxw_row_t>(i), 0, x, nullptr);
        worksheet_write_number(second, static_cast<lxw_row_t>(i), 1, x * x, nullptr);
    }
    worksheet_write_number(second, 3, 0, 40, nullptr);
    worksheet_write_formula_num(second, 3, 1, "=A4*A4", nullptr, 1600);

    if (workbook_close(book) != LXW_NO_ERROR) throw std::runtime_error("cannot write " + path);
    return path;
}

}  // namespace orrery::test
