#include "shell/about_automaton.h"

#include <array>
#include <new>

namespace orrery {
namespace {

// The next state by the sum of the three cells above (0 to 9).
constexpr std::array<std::int32_t, 10> kRule{0, 1, 0, 2, 3, 0, 2, 2, 1, 0};

UserMessage insufficientMemory() {
    return {"INSUFFICIENT MEMORY", "There is insufficient memory in this computer to continue.",
            MessageIcon::Error, MessageButtons::Ok};
}

}  // namespace

AboutAutomaton::AboutAutomaton() { compute(kFirstRows, kFirstColumns); }

std::optional<UserMessage> AboutAutomaton::Evolve() {
    if (!compute(rows_ + kFirstRows, columns_ + kFirstColumns)) return insufficientMemory();
    return std::nullopt;
}

void AboutAutomaton::Reset() { compute(kFirstRows, kFirstColumns); }

bool AboutAutomaton::compute(int rows, int columns) {
    const std::int64_t count = std::int64_t{rows} * columns;
    if (count > kMaxCells) return false;
    std::vector<std::int32_t> cells;
    try {
        cells.assign(static_cast<std::size_t>(count), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    cells[static_cast<std::size_t>(columns / 2)] = 1;
    for (int r = 1; r < rows; ++r) {
        const std::int32_t* above = &cells[static_cast<std::size_t>(r - 1) * columns];
        std::int32_t* row = &cells[static_cast<std::size_t>(r) * columns];
        for (int c = 0; c < columns; ++c) {
            const int sum = (c > 0 ? above[c - 1] : 0) + above[c] + (c + 1 < columns ? above[c + 1] : 0);
            row[c] = kRule[static_cast<std::size_t>(sum)];
        }
    }
    rows_ = rows;
    columns_ = columns;
    cells_ = std::move(cells);
    return true;
}

ColorRef AutomatonColor(int state) {
    static constexpr std::array<ColorRef, 4> kColors{makeRgb(255, 0, 0), makeRgb(0, 0, 255), makeRgb(255, 255, 0),
                                                     makeRgb(0, 255, 0)};
    return kColors[static_cast<std::size_t>(state) & 3];
}

}  // namespace orrery
