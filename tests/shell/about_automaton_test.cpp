#include <gtest/gtest.h>

#include <vector>

#include "shell/about_automaton.h"

namespace orrery {
namespace {

std::vector<int> rowAround(const AboutAutomaton& automaton, int row, int from, int to) {
    std::vector<int> states;
    for (int c = from; c <= to; ++c) states.push_back(automaton.state(row, c));
    return states;
}

int liveCells(const AboutAutomaton& automaton, int row) {
    int count = 0;
    for (int c = 0; c < automaton.columns(); ++c) count += automaton.state(row, c) != 0;
    return count;
}

TEST(AboutAutomaton, FirstRowsGrowFromTheMiddleCell) {
    const AboutAutomaton automaton;
    const int mid = automaton.columns() / 2;
    ASSERT_EQ(mid, 42);
    EXPECT_EQ(rowAround(automaton, 0, mid - 3, mid + 3), (std::vector<int>{0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(liveCells(automaton, 0), 1);
    EXPECT_EQ(rowAround(automaton, 1, mid - 3, mid + 3), (std::vector<int>{0, 0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(liveCells(automaton, 1), 3);
    // Sums 1, 2, 3, 2, 1 around the middle.
    EXPECT_EQ(rowAround(automaton, 2, mid - 3, mid + 3), (std::vector<int>{0, 1, 0, 2, 0, 1, 0}));
    EXPECT_EQ(liveCells(automaton, 2), 3);
    // Row 4 reaches the sums 4 (state 3) and 6, 7 (state 2).
    EXPECT_EQ(rowAround(automaton, 4, mid - 5, mid + 5), (std::vector<int>{0, 1, 0, 3, 2, 3, 2, 3, 0, 1, 0}));
}

TEST(AboutAutomaton, EvolveGrowsTheGridAndResetReturns) {
    AboutAutomaton automaton;
    struct Size {
        int rows, columns;
    };
    EXPECT_EQ(automaton.rows(), 43);
    EXPECT_EQ(automaton.columns(), 85);
    for (const Size expected : {Size{86, 170}, Size{129, 255}}) {
        EXPECT_FALSE(automaton.Evolve().has_value());
        EXPECT_EQ(automaton.rows(), expected.rows);
        EXPECT_EQ(automaton.columns(), expected.columns);
        // Recomputed from row 0 around the new middle column.
        EXPECT_EQ(automaton.state(0, expected.columns / 2), 1);
        EXPECT_EQ(liveCells(automaton, 0), 1);
        EXPECT_EQ(rowAround(automaton, 2, expected.columns / 2 - 2, expected.columns / 2 + 2),
                  (std::vector<int>{1, 0, 2, 0, 1}));
    }
    automaton.Reset();
    EXPECT_EQ(automaton.rows(), 43);
    EXPECT_EQ(automaton.columns(), 85);
    EXPECT_EQ(automaton.cells(), AboutAutomaton().cells());
}

TEST(AboutAutomaton, TooManyEvolvesGiveTheMemoryMessageAndKeepTheGrid) {
    AboutAutomaton automaton;
    int evolves = 0;
    std::optional<UserMessage> message;
    while (evolves < 100 && !(message = automaton.Evolve())) ++evolves;
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(evolves, 66);
    EXPECT_EQ(message->caption, "INSUFFICIENT MEMORY");
    EXPECT_EQ(message->text, "There is insufficient memory in this computer to continue.");
    EXPECT_EQ(automaton.rows(), 67 * 43);
    EXPECT_EQ(automaton.columns(), 67 * 85);
    EXPECT_EQ(automaton.state(0, automaton.columns() / 2), 1);
    // Further clicks keep refusing; Reset still works.
    EXPECT_TRUE(automaton.Evolve().has_value());
    automaton.Reset();
    EXPECT_EQ(automaton.rows(), 43);
    EXPECT_FALSE(automaton.Evolve().has_value());
}

}  // namespace
}  // namespace orrery
