#include "fitting/range_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include "common/c_numeric.h"
#include "fitting/cell_reference.h"
#include "fitting/gsf_library.h"
#include "fitting/sheet_cells.h"
#include "fitting/zip_package.h"

namespace orrery {
namespace {

namespace fs = std::filesystem;

// The whole file, read once. Only plain files are read: a folder, a pipe
// or a device is no workbook, and reading a pipe could wait for ever.
int readWholeFile(const std::string& path, std::string& content) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) return kFileUnreadable;
    if (!fs::is_regular_file(status)) return kNotASpreadsheet;
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) return kFileUnreadable;
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) return kFileUnreadable;
    } catch (const std::exception&) {
        return kFileUnreadable;
    }
    return kReadOk;
}

std::string lowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// Legacy workbooks are compound documents with this signature; the others
// are zip packages.
bool startsWith(const std::string& content, std::string_view signature) {
    return content.compare(0, signature.size(), signature) == 0;
}
constexpr std::string_view kCompoundDocument("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
constexpr std::string_view kZip("PK\x03\x04", 4);

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
        default: return std::nullopt;
    }
}

// Why a cell that is not text cannot give a number; empty for text.
std::string cellProblem(const CellContent& cell, int row, int column) {
    const std::string name = "Cell " + cellName(row, column);
    switch (cell.kind) {
        case CellContent::Kind::Error: return name + " holds the error value " + cell.text + ", not a number.";
        case CellContent::Kind::NoResult: return name + " holds a formula whose result this file does not store.";
        case CellContent::Kind::Unreadable: return name + " holds a value that cannot be read as a number.";
        default: return {};
    }
}

int readCells(const std::string& path, const std::string& sheetName, RangeCells& cells) {
    const QuietGsfLog quiet;
    std::string content;
    if (const int status = readWholeFile(path, content); status != kReadOk) return status;
    if (startsWith(content, kCompoundDocument)) return readXlsRange(content, sheetName, cells);
    if (startsWith(content, kZip)) {
        const ZipPackage zip(content);
        if (!zip.valid()) return kNotASpreadsheet;
        const std::optional<std::string> type = zip.bytes("mimetype", 64);
        if (type && startsWith(*type, "application/vnd.oasis.opendocument.spreadsheet"))
            return readOdsRange(zip, sheetName, cells);
        return readXlsxRange(zip, sheetName, cells);
    }
    const std::string extension = lowerExtension(path);
    if (extension == "csv" || extension == "txt") return readCsvRange(content, cells);
    return kNotASpreadsheet;
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
                    const std::string& bottomRight, const ReadProgress& progress) {
    const std::optional<CellAddress> first = parseCell(topLeft);
    const std::optional<CellAddress> last = parseCell(bottomRight);
    // Corners given the other way round describe the same rectangle.
    const int top = first && last ? std::min(first->row, last->row) : 0;
    const int bottom = first && last ? std::max(first->row, last->row) : 0;
    const int left = first && last ? std::min(first->column, last->column) : 0;
    const int right = first && last ? std::max(first->column, last->column) : 0;

    // The file is looked at first: a missing file or sheet is the news
    // that matters, whatever the cells typed.
    RangeCells cells(top, bottom, left, progress);
    cells.reportRead(0, 1);
    if (const int status = readCells(path, sheetName, cells); status != kReadOk) return {status, {}, {}, {}};
    if (!first || !last) return {kBadRange, {}, {}, {}};
    if (left == right) return {kNotTwoColumns, {}, {}, {}};

    RangeRead result;
    result.x.reserve(static_cast<std::size_t>(bottom - top + 1));
    result.y.reserve(static_cast<std::size_t>(bottom - top + 1));
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= left + 1; ++column) {
            const CellContent cell = cells.at(row, column);
            const std::optional<double> number = cellNumber(cell);
            if (!number) return {kNotANumber, {}, {}, cellProblem(cell, row, column)};
            (column == left ? result.x : result.y).push_back(*number);
        }
    }
    cells.reportRead(1, 1);
    return result;
}

}  // namespace orrery
