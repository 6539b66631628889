#include "fitting/range_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "common/c_numeric.h"
#include "fitting/cell_reference.h"
#include "fitting/sheet_cells.h"

namespace orrery {
namespace {

namespace fs = std::filesystem;

// The whole file, read once. Only plain files are read: a folder, a pipe
// or a device is no workbook, and reading a pipe could wait for ever.
SheetOpening readWholeFile(const std::string& path, std::string& content) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) return {kFileUnreadable, nullptr};
    if (!fs::is_regular_file(status)) return {kNotASpreadsheet, nullptr};
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) return {kFileUnreadable, nullptr};
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) return {kFileUnreadable, nullptr};
    } catch (const std::exception&) {
        return {kFileUnreadable, nullptr};
    }
    return {kReadOk, nullptr};
}

std::string lowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// Legacy workbooks are compound documents with this signature.
bool isCompoundDocument(const std::string& content) {
    static const char kSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    return content.compare(0, 8, kSignature, 8) == 0;
}

// The number a cell stands for, as a spreadsheet converts a value to a
// number: empty is 0, a text must hold one finite number and blanks only.
std::optional<double> cellNumber(const CellContent& cell) {
    switch (cell.kind) {
        case CellContent::Kind::Empty: return 0.0;
        case CellContent::Kind::Number:
            if (std::isfinite(cell.number)) return cell.number;
            return std::nullopt;
        case CellContent::Kind::Text: {
            std::size_t used = 0;
            const double value = parseDoubleC(cell.text, &used);
            const bool onlyBlanksAfter = std::all_of(cell.text.begin() + static_cast<long>(used), cell.text.end(),
                                                     [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
            if (used > 0 && onlyBlanksAfter && std::isfinite(value)) return value;
            return std::nullopt;
        }
        case CellContent::Kind::Other: break;
    }
    return std::nullopt;
}

SheetOpening openSheet(const std::string& path, const std::string& sheetName) {
    std::string content;
    if (SheetOpening failed = readWholeFile(path, content); failed.status != kReadOk) return failed;
    if (isCompoundDocument(content)) return openXlsSheet(path, sheetName);
    const std::string extension = lowerExtension(path);
    return openOrcusSheet(content, sheetName, extension == "csv" || extension == "txt");
}

}  // namespace

std::optional<std::size_t> findSheet(const std::vector<std::string>& names, const std::string& wanted) {
    const auto exact = std::find(names.begin(), names.end(), wanted);
    if (exact != names.end()) return static_cast<std::size_t>(exact - names.begin());
    auto caseless = [&](const std::string& name) {
        return std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    const auto other = std::find_if(names.begin(), names.end(), caseless);
    if (other != names.end()) return static_cast<std::size_t>(other - names.begin());
    return std::nullopt;
}

RangeRead readRange(const std::string& path, const std::string& sheetName, const std::string& topLeft,
                    const std::string& bottomRight) {
    const SheetOpening opening = openSheet(path, sheetName);
    if (!opening.sheet) return {opening.status == kReadOk ? kNotASpreadsheet : opening.status, {}, {}};

    const std::optional<CellAddress> first = parseCell(topLeft);
    const std::optional<CellAddress> last = parseCell(bottomRight);
    if (!first || !last) return {kBadRange, {}, {}};
    // Corners given the other way round describe the same rectangle.
    const int top = std::min(first->row, last->row), bottom = std::max(first->row, last->row);
    const int left = std::min(first->column, last->column), right = std::max(first->column, last->column);
    if (left == right) return {kNotTwoColumns, {}, {}};

    RangeRead result;
    for (int row = top; row <= bottom; ++row) {
        const std::optional<double> x = cellNumber(opening.sheet->cell(row, left));
        const std::optional<double> y = cellNumber(opening.sheet->cell(row, left + 1));
        if (!x || !y) return {kNotANumber, {}, {}};
        result.x.push_back(*x);
        result.y.push_back(*y);
    }
    return result;
}

}  // namespace orrery
