#include "statistics/f_axis_range.h"

#include <array>

namespace orrery {
namespace {

constexpr std::array<int, 40> kFirstRow = {
    4100, 5000, 5405, 5625, 5765, 5860, 5930, 5982, 6023, 6056, 6080, 6105, 6155, 6205,
    6157, 6168, 6179, 6190, 6201, 6210, 6218, 6226, 6234, 6235, 6239, 6243, 6248, 6252,
    6257, 6261, 6264, 6266, 6269, 6271, 6274, 6276, 6279, 6282, 6285, 6287};

int firstRow(int d1) {
    if (d1 <= 40) return kFirstRow[static_cast<std::size_t>(d1 - 1)];
    if (d1 < 60) return 6347 - d1;
    if (d1 == 60) return 6313;
    if (d1 < 120) return (120 - d1) / 2 + 6313;
    return d1 == 120 ? 6339 : 6366;
}

// One row of the table: (first d1, value) steps; a step covers every d1 up
// to the next step's start. Unused steps start beyond any d1.
struct Step {
    int d1;
    int value;
};
constexpr int kNever = 1 << 30;
using Row = std::array<Step, 6>;

// Rows for d2 = 3..31.
constexpr std::array<Row, 29> kRows = {{
    {{{1, 34}, {2, 30}, {3, 29}, {5, 28}, {8, 27}, {31, 26}}},            // 3
    {{{1, 21}, {2, 18}, {3, 17}, {4, 16}, {6, 15}, {12, 14}}},            // 4
    {{{1, 16}, {2, 13}, {3, 12}, {4, 11}, {7, 10}, {24, 9}}},             // 5
    {{{1, 14}, {2, 11}, {3, 10}, {4, 9}, {6, 8}, {20, 7}}},               // 6
    {{{1, 12}, {2, 10}, {3, 8}, {5, 7}, {12, 6}, {kNever, 0}}},           // 7
    {{{1, 11}, {2, 9}, {3, 8}, {4, 7}, {6, 6}, {16, 5}}},                 // 8
    {{{1, 11}, {2, 8}, {3, 7}, {4, 6}, {8, 5}, {60, 4}}},                 // 9
    {{{1, 10}, {2, 8}, {3, 7}, {4, 6}, {6, 5}, {16, 4}}},                 // 10
    {{{1, 10}, {2, 7}, {3, 6}, {5, 5}, {12, 4}, {kNever, 0}}},            // 11
    {{{1, 9}, {2, 7}, {3, 6}, {4, 5}, {9, 4}, {80, 3}}},                  // 12
    {{{1, 9}, {2, 7}, {3, 6}, {4, 5}, {7, 4}, {40, 3}}},                  // 13
    {{{1, 9}, {2, 7}, {3, 6}, {4, 5}, {6, 4}, {21, 3}}},                  // 14
    {{{1, 9}, {2, 6}, {3, 5}, {6, 4}, {16, 3}, {kNever, 0}}},             // 15
    {{{1, 9}, {2, 6}, {3, 5}, {5, 4}, {16, 3}, {kNever, 0}}},             // 16
    {{{1, 8}, {2, 6}, {3, 5}, {5, 4}, {11, 3}, {kNever, 0}}},             // 17
    {{{1, 8}, {2, 6}, {3, 5}, {5, 4}, {11, 3}, {kNever, 0}}},             // 18
    {{{1, 8}, {2, 6}, {3, 5}, {5, 4}, {10, 3}, {kNever, 0}}},             // 19
    {{{1, 8}, {2, 6}, {3, 5}, {4, 4}, {9, 3}, {kNever, 0}}},              // 20
    {{{1, 8}, {2, 6}, {3, 5}, {4, 4}, {9, 3}, {kNever, 0}}},              // 21
    {{{1, 8}, {2, 6}, {3, 5}, {4, 4}, {9, 3}, {kNever, 0}}},              // 22
    {{{1, 8}, {2, 6}, {3, 5}, {4, 4}, {8, 3}, {50, 2}}},                  // 23
    {{{1, 8}, {2, 6}, {3, 5}, {4, 4}, {8, 3}, {40, 2}}},                  // 24
    {{{1, 8}, {2, 6}, {3, 5}, {4, 4}, {8, 3}, {50, 2}}},                  // 25
    {{{1, 8}, {2, 6}, {3, 5}, {4, 4}, {8, 3}, {28, 2}}},                  // 26
    {{{1, 8}, {2, 6}, {3, 5}, {4, 4}, {8, 3}, {28, 2}}},                  // 27
    {{{1, 8}, {2, 5}, {4, 4}, {7, 3}, {26, 2}, {kNever, 0}}},             // 28
    {{{1, 8}, {2, 5}, {4, 4}, {7, 3}, {25, 2}, {kNever, 0}}},             // 29
    {{{1, 8}, {2, 5}, {4, 4}, {6, 3}, {25, 2}, {kNever, 0}}},             // 30
    {{{1, 7}, {2, 5}, {4, 4}, {6, 3}, {21, 2}, {kNever, 0}}},             // 31
}};

// Beyond 31 the rows settle into two patterns.
constexpr Row kRowUpTo40 = {{{1, 7}, {2, 5}, {3, 4}, {5, 3}, {22, 2}, {kNever, 0}}};
constexpr Row kRowAbove40 = {{{1, 7}, {2, 5}, {3, 3}, {13, 2}, {kNever, 0}, {kNever, 0}}};

int lookUp(const Row& row, int d1) {
    int value = 0;
    for (const Step& step : row)
        if (d1 >= step.d1) value = step.value;
    return value;
}

const Row& rowFor(int d2) {
    if (d2 <= 31) return kRows[static_cast<std::size_t>(d2 - 3)];
    return d2 <= 40 ? kRowUpTo40 : kRowAbove40;
}

}  // namespace

int fAxisRange(int d1, int d2) {
    if (d1 < 1 || d2 < 1) return 0;
    if (d2 == 1) return firstRow(d1);
    if (d2 == 2) return 99;
    return lookUp(rowFor(d2), d1);
}

}  // namespace orrery
