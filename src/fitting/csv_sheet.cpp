// Comma-separated text (.csv), read with liborcus.
#include <exception>
#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>
#include <orcus/orcus_csv.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>

#include "fitting/cell_reference.h"
#include "fitting/range_reader.h"
#include "fitting/sheet_cells.h"

namespace orrery {

int readCsvRange(const std::string& content, RangeCells& cells) {
    namespace ss = orcus::spreadsheet;
    try {
        ss::document document(ss::range_size_t{kMaxRows, kMaxColumns});
        ss::import_factory factory(document);
        orcus::orcus_csv filter(&factory);
        // From memory, so the library never opens the user's file itself.
        filter.read_stream(content);
        if (document.get_sheet_count() == 0) return kNotASpreadsheet;
        const ixion::model_context& model = document.get_model_context();
        for (int row = cells.top(); row <= cells.bottom(); ++row) {
            for (int column = cells.left(); column <= cells.right(); ++column) {
                const ixion::cell_access access =
                    model.get_cell_access(ixion::abs_address_t(0, row, column));
                switch (access.get_value_type()) {
                    case ixion::cell_value_t::numeric:
                        cells.put(row, column, CellContent::numberCell(access.get_numeric_value()));
                        break;
                    case ixion::cell_value_t::string:
                        cells.put(row, column,
                                  CellContent::textCell(std::string(access.get_string_value())));
                        break;
                    case ixion::cell_value_t::empty:
                        break;
                    default:
                        cells.put(row, column, {CellContent::Kind::Unreadable, 0, {}});
                        break;
                }
            }
        }
        return kReadOk;
    } catch (const std::exception&) {
        return kNotASpreadsheet;
    }
}

}  // namespace orrery
