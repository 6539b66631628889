// Office Open XML workbooks (.xlsx): the sheet's rows are streamed and each
// cell gives the value the file stores for it. A formula gives its stored
// result; no formula is worked out again, so a function we do not know, a
// volatile one, or anything outside the range cannot spoil the read.
#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/c_numeric.h"
#include "fitting/cell_dates.h"
#include "fitting/cell_reference.h"
#include "fitting/range_reader.h"
#include "fitting/sheet_cells.h"
#include "fitting/zip_package.h"

namespace orrery {
namespace {

// Relationship types of the transitional and of the strict form.
const std::string kTransitional =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
const std::string kStrict = "http://purl.oclc.org/ooxml/officeDocument/relationships/";

PackagePart related(const ZipPackage& zip, const PackagePart& from, const std::string& type) {
    PackagePart part = zip.relatedByType(from, kTransitional + type);
    return part ? std::move(part) : zip.relatedByType(from, kStrict + type);
}

struct Workbook {
    std::vector<std::string> names, ids;
    bool date1904 = false;
};

bool readWorkbook(XmlStream& xml, Workbook& book) {
    while (xml.next()) {
        if (xml.isStart("sheet")) {
            std::string name, id;
            for (const XmlAttribute& a : xml.attributes()) {
                if (a.name == "name")
                    name = a.value;
                else if (a.name == "id")
                    id = a.value;
            }
            book.names.push_back(name);
            book.ids.push_back(id);
        } else if (xml.isStart("workbookPr")) {
            for (const XmlAttribute& a : xml.attributes())
                if (a.name == "date1904") book.date1904 = a.value == "1" || a.value == "true";
        }
    }
    return !xml.failed();
}

// A cell whose text is one of the shared strings, to be looked up once the
// sheet has been read.
struct SharedText {
    int row, column;
};
using SharedCells = std::map<long, std::vector<SharedText>>;

// Reads the cell whose start the stream stands on, up to its end.
CellContent readCell(XmlStream& xml, const std::string& type, long nullDay,
                     std::optional<long>& sharedIndex) {
    bool formula = false;
    std::optional<std::string> value;
    std::string inlineText;
    while (xml.next() && !xml.isEnd("c")) {
        if (xml.isStart("f")) {
            formula = true;
            xml.skip();
        } else if (xml.isStart("v")) {
            value = xml.text();
        } else if (xml.isStart("rPh")) {
            xml.skip();  // pronunciation hints, not part of the text
        } else if (xml.isStart("t")) {
            inlineText += xml.text();
        }
    }
    if (type == "inlineStr") return CellContent::textCell(std::move(inlineText));
    if (!value) return formula ? CellContent{CellContent::Kind::NoResult, 0, {}} : CellContent{};
    if (type == "e") return {CellContent::Kind::Error, 0, *value};
    if (type == "str") return CellContent::textCell(std::move(*value));
    if (type == "b")
        return CellContent::numberOrUnreadable(*value == "1"   ? std::optional(1.0)
                                               : *value == "0" ? std::optional(0.0)
                                                               : std::nullopt);
    if (type == "d") return CellContent::numberOrUnreadable(serialFromIsoDateTime(*value, nullDay));
    if (type == "s") {
        const std::optional<double> index = storedNumber(*value);
        if (!index || *index < 0 || *index != static_cast<long>(*index))
            return {CellContent::Kind::Unreadable, 0, {}};
        sharedIndex = static_cast<long>(*index);
        return {};
    }
    return CellContent::numberOrUnreadable(storedNumber(*value));
}

// Streams the sheet's rows; cells that point into the shared strings are
// listed in `shared` by their string's index.
bool readSheet(XmlStream& xml, RangeCells& cells, long nullDay, SharedCells& shared) {
    int row = -1;
    while (xml.next()) {
        if (!xml.isStart("row")) continue;
        int next = row + 1;
        for (const XmlAttribute& a : xml.attributes()) {
            if (a.name != "r") continue;
            const std::optional<double> number = storedNumber(a.value);
            if (number && *number >= 1 && *number <= kMaxRows) next = static_cast<int>(*number) - 1;
        }
        row = next;
        if (cells.pastEnd(row)) break;
        if (!cells.wantsRow(row)) {
            xml.skip();
            continue;
        }
        int column = -1;
        while (xml.next() && !xml.isEnd("row")) {
            if (xml.node() != XmlStream::Node::Start) continue;
            if (xml.name() != "c") {
                xml.skip();
                continue;
            }
            std::string type;
            int at = column + 1;
            for (const XmlAttribute& a : xml.attributes()) {
                if (a.name == "t")
                    type = a.value;
                else if (a.name == "r")
                    if (const std::optional<CellAddress> address = parseCell(a.value))
                        at = address->column;
            }
            column = at;
            if (!cells.wants(row, column)) {
                xml.skip();
                continue;
            }
            std::optional<long> sharedIndex;
            CellContent content = readCell(xml, type, nullDay, sharedIndex);
            if (sharedIndex)
                shared[*sharedIndex].push_back({row, column});
            else
                cells.put(row, column, std::move(content));
        }
    }
    return !xml.failed();
}

// A cell pointing past the last string holds nothing we can read.
void markUnreadable(RangeCells& cells, SharedCells::const_iterator from,
                    SharedCells::const_iterator to) {
    for (; from != to; ++from)
        for (const SharedText& cell : from->second)
            cells.put(cell.row, cell.column, {CellContent::Kind::Unreadable, 0, {}});
}

// Looks up the shared strings the range's cells point to.
bool readSharedStrings(XmlStream& xml, RangeCells& cells, const SharedCells& shared) {
    long index = -1;
    auto wanted = shared.begin();
    while (wanted != shared.end() && xml.next()) {
        if (!xml.isStart("si")) continue;
        if (++index < wanted->first) {
            xml.skip();
            continue;
        }
        std::string text;
        while (xml.next() && !xml.isEnd("si")) {
            if (xml.isStart("rPh"))
                xml.skip();
            else if (xml.isStart("t"))
                text += xml.text();
        }
        for (const SharedText& cell : wanted->second)
            cells.put(cell.row, cell.column, CellContent::textCell(text));
        ++wanted;
    }
    markUnreadable(cells, wanted, shared.end());
    return !xml.failed();
}

}  // namespace

int readXlsxRange(const ZipPackage& zip, const std::string& sheetName, RangeCells& cells) {
    const PackagePart workbookPart = related(zip, PackagePart(), "officeDocument");
    const std::unique_ptr<XmlStream> workbookXml = workbookPart.xml();
    Workbook book;
    if (!workbookXml || !readWorkbook(*workbookXml, book)) return kNotASpreadsheet;
    const std::optional<std::size_t> index = findSheet(book.names, sheetName);
    if (!index) return kSheetMissing;

    const PackagePart sheetPart = zip.relatedById(workbookPart, book.ids[*index]);
    const std::unique_ptr<XmlStream> sheetXml = sheetPart.xml(
        [&](std::size_t done, std::size_t total) { cells.reportRead(done, total); }, {"row", "c"});
    SharedCells shared;
    const long nullDay = book.date1904 ? daysFromCivil(1904, 1, 1) : daysFromCivil(1899, 12, 30);
    if (!sheetXml || !readSheet(*sheetXml, cells, nullDay, shared)) return kNotASpreadsheet;
    if (shared.empty()) return kReadOk;

    const std::unique_ptr<XmlStream> stringsXml = related(zip, workbookPart, "sharedStrings").xml();
    if (!stringsXml) {
        markUnreadable(cells, shared.begin(), shared.end());
        return kReadOk;
    }
    return readSharedStrings(*stringsXml, cells, shared) ? kReadOk : kNotASpreadsheet;
}

}  // namespace orrery
