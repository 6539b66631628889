// OpenDocument spreadsheets (.ods): the sheet's rows are streamed from
// content.xml, and each cell's number is taken from the value the file
// stores for it, whatever its type (float, percentage, currency, date,
// time, boolean), so a formatted cell reads as the number behind it.
#include <algorithm>
#include <string>
#include <string_view>

#include "common/c_numeric.h"
#include "fitting/cell_dates.h"
#include "fitting/cell_reference.h"
#include "fitting/range_reader.h"
#include "fitting/sheet_cells.h"
#include "fitting/zip_package.h"

namespace orrery {
namespace {

constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::string_view kCalcExt =
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";

bool isElement(const XmlStream& xml, std::string_view ns, std::string_view name) {
    return xml.name() == name && xml.namespaceUri() == ns;
}

// A repeat count; absurd ones are cut to the largest sheet.
long repeatCount(std::string_view text) {
    std::size_t used = 0;
    const double value = parseDoubleC(text, &used);
    if (used == 0 || !(value >= 1)) return 1;
    return static_cast<long>(std::min<double>(value, kMaxColumns + static_cast<double>(kMaxRows)));
}

// The text of a cell's paragraphs as shown, one line each; comments left out.
std::string cellText(XmlStream& xml) {
    std::string text;
    int paragraphs = 0;
    for (int depth = 0; xml.next();) {
        if (xml.node() == XmlStream::Node::Text) {
            text += xml.value();
            continue;
        }
        if (xml.node() == XmlStream::Node::End) {
            if (depth-- == 0) break;
            continue;
        }
        if (xml.namespaceUri() == kOffice && xml.name() == "annotation") {
            xml.skip();
            continue;
        }
        ++depth;
        if (xml.namespaceUri() != kText) continue;
        if ((xml.name() == "p" || xml.name() == "h") && depth == 1 && paragraphs++ > 0)
            text += '\n';
        else if (xml.name() == "tab")
            text += '\t';
        else if (xml.name() == "line-break")
            text += '\n';
        else if (xml.name() == "s") {
            long spaces = 1;
            for (const XmlAttribute& a : xml.attributes())
                if (a.name == "c" && a.namespaceUri == kText) spaces = repeatCount(a.value);
            text.append(static_cast<std::size_t>(std::min(spaces, 1000L)), ' ');
        }
    }
    return text;
}

// Copied out of the stream, whose views last only until its next step.
struct CellAttributes {
    std::string type, value, date, time, boolean, formula, extType, stringValue;
    bool hasStringValue = false;
    long columns = 1;
};

CellAttributes cellAttributes(const std::vector<XmlAttribute>& attributes) {
    CellAttributes a;
    for (const auto& [ns, name, value] : attributes) {
        if (ns == kOffice) {
            if (name == "value-type")
                a.type = value;
            else if (name == "value")
                a.value = value;
            else if (name == "date-value")
                a.date = value;
            else if (name == "time-value")
                a.time = value;
            else if (name == "boolean-value")
                a.boolean = value;
            else if (name == "string-value")
                a.stringValue = value, a.hasStringValue = true;
        } else if (ns == kTable) {
            if (name == "formula")
                a.formula = value;
            else if (name == "number-columns-repeated")
                a.columns = repeatCount(value);
        } else if (ns == kCalcExt && name == "value-type") {
            a.extType = value;
        }
    }
    return a;
}

// The content of the cell whose start the stream stands on; reads to its end.
CellContent readCell(XmlStream& xml, const CellAttributes& a, long nullDay) {
    if (a.extType == "error") return {CellContent::Kind::Error, 0, cellText(xml)};
    CellContent content;
    if (a.type == "float" || a.type == "percentage" || a.type == "currency")
        content = CellContent::numberOrUnreadable(storedNumber(a.value));
    else if (a.type == "date")
        content = CellContent::numberOrUnreadable(serialFromIsoDateTime(a.date, nullDay));
    else if (a.type == "time")
        content = CellContent::numberOrUnreadable(daysFromIsoDuration(a.time));
    else if (a.type == "boolean")
        content = CellContent::numberOrUnreadable(a.boolean == "true"    ? std::optional(1.0)
                                                  : a.boolean == "false" ? std::optional(0.0)
                                                                         : std::nullopt);
    else if (a.type == "string" && a.hasStringValue)
        content = CellContent::textCell(a.stringValue);
    else {
        std::string text = cellText(xml);
        if (!a.type.empty()) return CellContent::textCell(std::move(text));
        if (!a.formula.empty()) return {CellContent::Kind::NoResult, 0, {}};
        if (!text.empty()) return CellContent::textCell(std::move(text));
        return {};
    }
    xml.skip();
    return content;
}

// Reads the rows of the table the stream has just entered.
void readTable(XmlStream& xml, RangeCells& cells, long nullDay) {
    long row = 0;
    while (xml.next()) {
        if (xml.node() == XmlStream::Node::Text) continue;
        if (xml.node() == XmlStream::Node::End) {
            if (isElement(xml, kTable, "table")) return;
            continue;  // the end of a group of rows
        }
        if (xml.namespaceUri() == kTable &&
            (xml.name() == "table-header-rows" || xml.name() == "table-rows" ||
             xml.name() == "table-row-group"))
            continue;  // rows inside are counted like any other
        if (!isElement(xml, kTable, "table-row")) {
            xml.skip();
            continue;
        }
        long rows = 1;
        for (const XmlAttribute& a : xml.attributes())
            if (a.name == "number-rows-repeated" && a.namespaceUri == kTable)
                rows = repeatCount(a.value);
        const long first = std::max<long>(row, cells.top()),
                   last = std::min<long>(row + rows - 1, cells.bottom());
        if (first > last) {
            xml.skip();
        } else {
            long column = 0;
            while (xml.next() &&
                   !(xml.node() == XmlStream::Node::End && isElement(xml, kTable, "table-row"))) {
                if (xml.node() != XmlStream::Node::Start) continue;
                // Covered cells, hidden under a merged one, keep their place.
                if (!(xml.namespaceUri() == kTable &&
                      (xml.name() == "table-cell" || xml.name() == "covered-table-cell"))) {
                    xml.skip();
                    continue;
                }
                const CellAttributes a = cellAttributes(xml.attributes());
                const long from = std::max<long>(column, cells.left()),
                           to = std::min<long>(column + a.columns - 1, cells.right());
                if (from > to) {
                    xml.skip();
                } else {
                    const CellContent content = readCell(xml, a, nullDay);
                    for (long r = first; r <= last; ++r)
                        for (long c = from; c <= to; ++c)
                            cells.put(static_cast<int>(r), static_cast<int>(c), content);
                }
                column += a.columns;
            }
        }
        row += rows;
        if (cells.pastEnd(static_cast<int>(std::min<long>(row, kMaxRows)))) return;
    }
}

enum class Scan { Read, NotFound, Failed };

// Streams content.xml and reads the table chosen by `chosen` (given its
// name and position), collecting the names of the tables passed on the way.
template <typename Choose>
Scan scanTables(const ZipPackage& zip, RangeCells& cells, std::vector<std::string>& names,
                Choose chosen) {
    const PackagePart part = zip.part("content.xml");
    const std::unique_ptr<XmlStream> xml =
        part.xml([&](std::size_t done, std::size_t total) { cells.reportRead(done, total); },
                 {"null-date", "table", "table-row", "table-cell", "covered-table-cell", "s"});
    if (!xml) return Scan::Failed;
    long nullDay = daysFromCivil(1899, 12, 30);
    names.clear();
    while (xml->next()) {
        if (xml->node() != XmlStream::Node::Start || xml->namespaceUri() != kTable) continue;
        if (xml->name() == "null-date") {
            for (const XmlAttribute& a : xml->attributes())
                if (a.name == "date-value" && a.namespaceUri == kTable)
                    if (const auto serial = serialFromIsoDateTime(a.value, 0))
                        nullDay = static_cast<long>(*serial);
        } else if (xml->name() == "table") {
            std::string name;
            for (const XmlAttribute& a : xml->attributes())
                if (a.name == "name" && a.namespaceUri == kTable) name = a.value;
            names.push_back(name);
            if (chosen(name, names.size() - 1)) {
                readTable(*xml, cells, nullDay);
                return xml->failed() ? Scan::Failed : Scan::Read;
            }
            xml->skip();
        }
    }
    return xml->failed() ? Scan::Failed : Scan::NotFound;
}

}  // namespace

int readOdsRange(const ZipPackage& zip, const std::string& sheetName, RangeCells& cells) {
    std::vector<std::string> names;
    Scan scan = scanTables(zip, cells, names,
                           [&](const std::string& name, std::size_t) { return name == sheetName; });
    if (scan == Scan::NotFound) {
        // No exact match: a second pass for a name that differs in case only.
        const std::optional<std::size_t> index = findSheet(names, sheetName);
        if (!index) return kSheetMissing;
        scan = scanTables(zip, cells, names,
                          [&](const std::string&, std::size_t i) { return i == *index; });
    }
    return scan == Scan::Read ? kReadOk : kNotASpreadsheet;
}

}  // namespace orrery
