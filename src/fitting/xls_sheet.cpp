// Legacy .xls workbooks (BIFF5 and BIFF8): the cell records of a sheet in
// the workbook stream of the compound document. Every number is the one the
// file stores, so a date keeps its time and its day count in the file's own
// calendar, and a formula gives its stored result.
#include <bit>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/little_endian.h"
#include "common/utf8.h"
#include "fitting/compound_document.h"
#include "fitting/range_reader.h"
#include "fitting/sheet_cells.h"

namespace orrery {
namespace {

enum Record : std::uint16_t {
    kFormula = 0x0006,
    kEof = 0x000A,
    kFilePass = 0x002F,
    kContinue = 0x003C,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kRString = 0x00D6,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kRk = 0x027E,
    kBof = 0x0809,
};

// Fields of a record; one cut short by the record's end reads as zero.
std::uint16_t u16(std::string_view data, std::size_t at) {
    return static_cast<std::uint16_t>(littleEndianAt(data, at, 2).value_or(0));
}

std::uint32_t u32(std::string_view data, std::size_t at) {
    return static_cast<std::uint32_t>(littleEndianAt(data, at, 4).value_or(0));
}

double f64(std::string_view data, std::size_t at) {
    return std::bit_cast<double>(littleEndianAt(data, at, 8).value_or(0));
}

// The packed number of RK records: a 30-bit integer or the top 30 bits of
// a double, either possibly divided by 100.
double rkNumber(std::uint32_t rk) {
    double value;
    if (rk & 2) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 1) ? value / 100 : value;
}

std::string errorText(unsigned code) {
    switch (code) {
        case 0x00:
            return "#NULL!";
        case 0x07:
            return "#DIV/0!";
        case 0x0F:
            return "#VALUE!";
        case 0x17:
            return "#REF!";
        case 0x1D:
            return "#NAME?";
        case 0x24:
            return "#NUM!";
        case 0x2A:
            return "#N/A";
        default:
            return "#ERROR";
    }
}

struct RecordView {
    std::uint16_t type = 0;
    std::string_view data;
};

// The records of a workbook stream, one after the other from an offset.
class Records {
  public:
    Records(std::string_view stream, std::size_t at) : stream_(stream), at_(at) {}
    bool next(RecordView& record) {
        if (at_ + 4 > stream_.size()) return false;
        const std::uint16_t length = u16(stream_, at_ + 2);
        if (at_ + 4 + length > stream_.size()) return false;
        record = {u16(stream_, at_), stream_.substr(at_ + 4, length)};
        at_ += 4 + length;
        return true;
    }
    std::size_t position() const { return at_; }

  private:
    std::string_view stream_;
    std::size_t at_;
};

// Reads a string's characters that may run on across CONTINUE records;
// at each such break the characters go on with a fresh flags byte.
class Segments {
  public:
    explicit Segments(std::vector<std::string_view> parts) : parts_(std::move(parts)) {}
    bool atEnd() {
        while (part_ < parts_.size() && at_ >= parts_[part_].size()) ++part_, at_ = 0;
        return part_ >= parts_.size();
    }
    unsigned byte() {
        if (atEnd()) return 0;
        return static_cast<unsigned char>(parts_[part_][at_++]);
    }
    unsigned word() { return byte() | byte() << 8; }
    std::uint32_t dword() { return word() | static_cast<std::uint32_t>(word()) << 16; }
    void skip(std::size_t count) {
        while (count > 0 && !atEnd()) {
            const std::size_t step = std::min(count, parts_[part_].size() - at_);
            at_ += step, count -= step;
        }
    }
    // A BIFF8 string: count (one byte in a short string), flags, rich-text
    // runs, extra data, characters.
    std::string unicodeString(bool shortCount = false) {
        const unsigned count = shortCount ? byte() : word();
        unsigned flags = byte();
        const unsigned runs = (flags & 0x08) ? word() : 0;
        const std::uint32_t extra = (flags & 0x04) ? dword() : 0;
        std::string text;
        for (unsigned i = 0; i < count && !atEnd(); ++i) {
            if (at_ == 0 && part_ > 0 && i > 0) flags = byte();  // a CONTINUE record begins here
            appendUtf8(text, (flags & 0x01) ? word() : byte());
        }
        skip(4u * runs + extra);
        return text;
    }

  private:
    std::vector<std::string_view> parts_;
    std::size_t part_ = 0, at_ = 0;
};

std::string byteString(std::string_view data, std::size_t at, std::size_t count) {
    std::string text;
    for (std::size_t i = at; i < at + count && i < data.size(); ++i)
        appendUtf8(
            text, static_cast<unsigned char>(data[i]));  // the first 256 code points, as in Latin-1
    return text;
}

// A cell's text in LABEL and STRING records (and a sheet's name in BIFF5).
std::string recordString(std::string_view data, std::size_t at, bool biff8,
                         bool byteCount = false) {
    if (!biff8) {
        const std::size_t count = byteCount ? static_cast<unsigned char>(data[at]) : u16(data, at);
        return byteString(data, at + (byteCount ? 1 : 2), count);
    }
    return Segments({data.substr(at)}).unicodeString(byteCount);
}

struct Sheet {
    std::string name;
    std::uint32_t offset = 0;
};

struct Globals {
    bool biff8 = false;
    bool encrypted = false;
    std::vector<Sheet> sheets;
    std::vector<std::string_view> sst;  // the SST record and its CONTINUE records
};

bool readGlobals(std::string_view stream, Globals& globals) {
    Records records(stream, 0);
    RecordView record;
    if (!records.next(record) || record.type != kBof) return false;
    const std::uint16_t version = u16(record.data, 0);
    if (version != 0x0600 && version != 0x0500) return false;
    globals.biff8 = version == 0x0600;
    std::uint16_t previous = 0;
    while (records.next(record) && record.type != kEof) {
        if (record.type == kFilePass)
            globals.encrypted = true;
        else if (record.type == kBoundSheet && record.data.size() >= 8) {
            // Worksheets only; charts and macro sheets have no cells to give.
            if (static_cast<unsigned char>(record.data[5]) == 0)
                globals.sheets.push_back(
                    {recordString(record.data, 6, globals.biff8, true), u32(record.data, 0)});
        } else if (record.type == kSst) {
            globals.sst = {record.data};
        } else if (record.type == kContinue && previous == kSst) {
            globals.sst.push_back(record.data);
            continue;  // further CONTINUE records still belong to the SST
        }
        previous = record.type;
    }
    return true;
}

// The shared strings the range's cells point to, looked up once the sheet
// has been read.
using SharedCells = std::map<std::uint32_t, std::vector<std::pair<int, int>>>;

void resolveSharedStrings(const Globals& globals, const SharedCells& shared, RangeCells& cells) {
    if (shared.empty()) return;
    Segments sst(globals.sst);
    sst.skip(8);  // total and unique counts
    std::uint32_t index = 0;
    for (const auto& [wanted, places] : shared) {
        std::string text;
        bool found = false;
        for (; !sst.atEnd() && index <= wanted; ++index) {
            text = sst.unicodeString();
            found = index == wanted;
        }
        const CellContent content =
            found ? CellContent::textCell(text) : CellContent{CellContent::Kind::Unreadable, 0, {}};
        for (const auto& [row, column] : places) cells.put(row, column, content);
    }
}

// The stored result of a FORMULA record.
CellContent formulaResult(std::string_view data, Records& records, bool biff8) {
    if (data.size() < 14) return {CellContent::Kind::Unreadable, 0, {}};
    if (static_cast<unsigned char>(data[12]) != 0xFF ||
        static_cast<unsigned char>(data[13]) != 0xFF)
        return CellContent::numberCell(f64(data, 6));
    switch (static_cast<unsigned char>(data[6])) {
        case 0: {  // text, in the STRING record that follows
            RecordView next;
            Records ahead = records;
            if (ahead.next(next) && next.type == kString) {
                records = ahead;
                return CellContent::textCell(recordString(next.data, 0, biff8));
            }
            return {CellContent::Kind::NoResult, 0, {}};
        }
        case 1:
            return CellContent::numberCell(data[8] ? 1.0 : 0.0);
        case 2:
            return {CellContent::Kind::Error, 0, errorText(static_cast<unsigned char>(data[8]))};
        case 3:
            return CellContent::textCell("");
        default:
            return {CellContent::Kind::Unreadable, 0, {}};
    }
}

void readSheet(std::string_view stream, const Globals& globals, std::uint32_t offset,
               RangeCells& cells) {
    Records records(stream, offset);
    RecordView record;
    SharedCells shared;
    // Charts inside a sheet bring their own BOF and EOF records.
    int depth = 0;
    while (records.next(record)) {
        cells.reportRead(records.position(), stream.size());
        if (record.type == kBof) {
            ++depth;
            continue;
        }
        if (record.type == kEof) {
            if (--depth <= 0) break;
            continue;
        }
        if (depth != 1 || record.data.size() < 6) continue;
        const int row = u16(record.data, 0), column = u16(record.data, 2);
        const std::string_view data = record.data;
        switch (record.type) {
            case kMulRk:
                for (std::size_t at = 4, c = static_cast<std::size_t>(column);
                     at + 6 <= data.size() - 2; at += 6, ++c)
                    cells.put(row, static_cast<int>(c),
                              CellContent::numberCell(rkNumber(u32(data, at + 2))));
                break;
            case kNumber:
                if (data.size() >= 14)
                    cells.put(row, column, CellContent::numberCell(f64(data, 6)));
                break;
            case kRk:
                if (data.size() >= 10)
                    cells.put(row, column, CellContent::numberCell(rkNumber(u32(data, 6))));
                break;
            case kLabelSst:
                if (data.size() >= 10 && cells.wants(row, column))
                    shared[u32(data, 6)].emplace_back(row, column);
                break;
            case kLabel:
            case kRString:
                if (cells.wants(row, column))
                    cells.put(row, column,
                              CellContent::textCell(recordString(data, 6, globals.biff8)));
                break;
            case kBoolErr:
                if (data.size() >= 8) {
                    const unsigned value = static_cast<unsigned char>(data[6]);
                    cells.put(row, column,
                              data[7] ? CellContent{CellContent::Kind::Error, 0, errorText(value)}
                                      : CellContent::numberCell(value ? 1.0 : 0.0));
                }
                break;
            case kFormula:
                if (cells.wants(row, column))
                    cells.put(row, column, formulaResult(data, records, globals.biff8));
                break;
            default:
                break;
        }
    }
    resolveSharedStrings(globals, shared, cells);
}

// The workbook stream of the compound document: "Workbook" in BIFF8, "Book"
// before; some writers spell them in capitals. Files written for both kinds
// of reader hold both, and the newer is the better.
std::optional<std::string> workbookStream(const std::string& content) {
    if (std::optional<std::string> stream = compoundStream(content, "Workbook")) return stream;
    return compoundStream(content, "Book");
}

}  // namespace

int readXlsRange(const std::string& content, const std::string& sheetName, RangeCells& cells) {
    const std::optional<std::string> stream = workbookStream(content);
    Globals globals;
    if (!stream || !readGlobals(*stream, globals) || globals.encrypted) return kNotASpreadsheet;
    std::vector<std::string> names;
    for (const Sheet& sheet : globals.sheets) names.push_back(sheet.name);
    const std::optional<std::size_t> index = findSheet(names, sheetName);
    if (!index) return kSheetMissing;
    const std::uint32_t offset = globals.sheets[*index].offset;
    Records check(*stream, offset);
    RecordView bof;
    if (!check.next(bof) || bof.type != kBof) return kNotASpreadsheet;
    readSheet(*stream, globals, offset, cells);
    return kReadOk;
}

}  // namespace orrery
