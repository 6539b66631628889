#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "common/color_ref.h"
#include "common/user_message.h"

namespace orrery {

// The one-dimensional cellular automaton of the About box. Row 0 has one live
// cell in its middle column; each later row is the next generation, every cell
// taking its state (0-3) from the sum of the three cells above it. "Evolve"
// grows the grid so the same picture gains detail; "Reset" returns to the
// first size. The object lives for the whole run, so the About box shows the
// grid as it was last left.
class AboutAutomaton {
public:
    static constexpr int kFirstRows = 43;
    static constexpr int kFirstColumns = 85;
    // Beyond this many cells Evolve refuses with the memory message: the grid
    // and its picture are 4 bytes a cell each, so 16 Mi cells is 128 MiB, and
    // a user clicking Evolve a hundred times gets a message, not an
    // out-of-memory kill. The 66th Evolve (67 × 43 rows by 67 × 85 columns)
    // is the last that fits.
    static constexpr std::int64_t kMaxCells = std::int64_t{1} << 24;

    AboutAutomaton();

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    int state(int row, int column) const { return cells_[static_cast<std::size_t>(row) * columns_ + column]; }
    // Row-major, rows() × columns() states.
    const std::vector<std::int32_t>& cells() const { return cells_; }

    // Grows by 43 rows and 85 columns and computes the grid again; when the
    // larger grid cannot be had, the grid stays as it was and the message says so.
    std::optional<UserMessage> Evolve();
    void Reset();

private:
    int rows_ = kFirstRows;
    int columns_ = kFirstColumns;
    std::vector<std::int32_t> cells_;

    bool compute(int rows, int columns);
};

// The colour a state is painted in: red, blue, yellow, green.
ColorRef AutomatonColor(int state);

}  // namespace orrery
