// Workbooks that liborcus reads: .xlsx, .ods and .csv.
#include <orcus/format_detection.hpp>
#include <orcus/orcus_csv.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>

#include <exception>

#include "fitting/cell_reference.h"
#include "fitting/range_reader.h"
#include "fitting/sheet_cells.h"

namespace orrery {
namespace {

namespace ss = orcus::spreadsheet;

class OrcusSheet : public SheetCells {
public:
    OrcusSheet(std::unique_ptr<ss::document> document, ss::sheet_t index)
        : document_(std::move(document)), index_(index) {}

    CellContent cell(int row, int column) const override {
        const ixion::model_context& model = document_->get_model_context();
        const ixion::cell_access access = model.get_cell_access(ixion::abs_address_t(index_, row, column));
        CellContent content;
        switch (access.get_value_type()) {
            case ixion::cell_value_t::empty: break;
            case ixion::cell_value_t::numeric:
                content.kind = CellContent::Kind::Number;
                content.number = access.get_numeric_value();
                break;
            case ixion::cell_value_t::string:
                content.kind = CellContent::Kind::Text;
                content.text = std::string(access.get_string_value());
                break;
            default: content.kind = CellContent::Kind::Other; break;
        }
        return content;
    }

private:
    std::unique_ptr<ss::document> document_;
    ss::sheet_t index_;
};

std::unique_ptr<orcus::iface::import_filter> filterFor(orcus::format_t format, ss::import_factory& factory) {
    switch (format) {
        case orcus::format_t::xlsx: return std::make_unique<orcus::orcus_xlsx>(&factory);
        case orcus::format_t::ods: return std::make_unique<orcus::orcus_ods>(&factory);
        case orcus::format_t::csv: return std::make_unique<orcus::orcus_csv>(&factory);
        default: return nullptr;
    }
}

}  // namespace

SheetOpening openOrcusSheet(const std::string& content, const std::string& sheetName, bool csv) {
    try {
        const orcus::format_t format = csv ? orcus::format_t::csv : orcus::detect(reinterpret_cast<const unsigned char*>(content.data()), content.size());
        auto document = std::make_unique<ss::document>(ss::range_size_t{kMaxRows, kMaxColumns});
        ss::import_factory factory(*document);
        // Formulas without a stored result are worked out; the others keep it.
        factory.set_recalc_formula_cells(true);
        factory.set_formula_error_policy(ss::formula_error_policy_t::skip);
        const std::unique_ptr<orcus::iface::import_filter> filter = filterFor(format, factory);
        if (!filter) return {kNotASpreadsheet, nullptr};
        // From memory, so the library never opens the user's file itself.
        filter->read_stream(content);

        std::vector<std::string> names;
        for (std::size_t i = 0; i < document->get_sheet_count(); ++i)
            names.emplace_back(document->get_sheet_name(static_cast<ss::sheet_t>(i)));
        if (csv && !names.empty()) return {kReadOk, std::make_unique<OrcusSheet>(std::move(document), 0)};
        const std::optional<std::size_t> index = findSheet(names, sheetName);
        if (!index) return {kSheetMissing, nullptr};
        return {kReadOk, std::make_unique<OrcusSheet>(std::move(document), static_cast<ss::sheet_t>(*index))};
    } catch (const std::exception&) {
        return {kNotASpreadsheet, nullptr};
    }
}

}  // namespace orrery
