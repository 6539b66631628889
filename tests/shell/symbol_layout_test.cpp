#include "shell/symbol_layout.h"

#include <gtest/gtest.h>

#include "support/case_file.h"

namespace orrery {
namespace {

// n entries of one digit each.
std::vector<SymbolEntry> digits(int n) {
    std::vector<SymbolEntry> entries;
    for (int i = 0; i < n; ++i) entries.push_back(SymbolEntry{"1", SymbolColor::Number, i});
    return entries;
}

// Ten-pixel characters in a 100-pixel display: lines break once an entry
// would start past 100 − 7·10 = 30, so three entries (at 10, 20, 30) a line.
SymbolLayout tenPixelLayout(std::vector<SymbolEntry> entries, int cursorEntry) {
    const std::vector<int> advances(entries.size(), 10);
    return SymbolLayout(std::move(entries), advances, 100, 10, cursorEntry);
}

TEST(SymbolLayoutTest, BreaksLinesAndShowsTheCursorLineBelowTheLineBeforeIt) {
    // At the end: the last two lines; the cursor box one character after 8.
    const SymbolLayout layout = tenPixelLayout(digits(8), 8);
    EXPECT_EQ(layout.lineStarts(), (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(layout.entryX(2), 30);
    EXPECT_EQ(layout.entryX(3), 10);
    EXPECT_EQ(layout.entryLine(7), 2);
    EXPECT_EQ(layout.firstVisibleLine(), 1);
    EXPECT_EQ(layout.cursorLine(), 2);
    EXPECT_EQ(layout.cursorX(), 30);
    EXPECT_EQ(layout.cursorWidth(), 10);

    EXPECT_EQ(tenPixelLayout(digits(8), 4).firstVisibleLine(), 0);
    EXPECT_EQ(tenPixelLayout(digits(8), 4).cursorX(), 20);
    // Nothing typed: the cursor at the start of the text.
    const SymbolLayout empty = tenPixelLayout({}, 0);
    EXPECT_EQ(empty.lineStarts(), (std::vector<int>{0}));
    EXPECT_EQ(empty.cursorX(), 10);
}

TEST(SymbolLayoutTest, ClicksFindTheKeyOrTheEnd) {
    const SymbolLayout layout = tenPixelLayout(digits(8), 8);  // lines 1 and 2 show
    EXPECT_EQ(layout.hitTest(0, 25), 4);
    EXPECT_EQ(layout.hitTest(1, 10), 6);
    EXPECT_EQ(layout.hitTest(1, 29), 7);
    EXPECT_EQ(layout.hitTest(1, 30), 8);  // right of the last key
    EXPECT_EQ(layout.hitTest(0, 5), 8);   // left margin: no key
}

TEST(SymbolLayoutTest, PendingLettersTakeRoomButAreNoKey) {
    Curve curve;
    for (int key : {18, 19, 20, 12}) curve.tokens.push_back(keyAt(key));  // 1 2 3 4
    curve.cursor = 2;
    std::vector<SymbolEntry> entries = symbolEntries(curve, "co");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[2], (SymbolEntry{"co", SymbolColor::Pending, 2}));
    EXPECT_EQ(entries[3].tokenIndex, 2);

    // "1 2 co" fills the first line; key 2 ("3") starts the second.
    const SymbolLayout layout = tenPixelLayout(entries, 2);
    EXPECT_EQ(layout.lineStarts(), (std::vector<int>{0, 2}));
    EXPECT_EQ(layout.hitTest(0, 35), 2);  // on the letters: the cursor stays
    EXPECT_EQ(layout.hitTest(1, 45), 4);
}

TEST(SymbolLayoutTest, EntriesShowEachKeyInItsColour) {
    Curve curve;
    for (int key : {17, 1, 43, 26, 3, 2, 30}) curve.tokens.push_back(keyAt(key));
    const std::vector<SymbolEntry> entries = symbolEntries(curve, "");
    using C = SymbolColor;
    const std::vector<SymbolEntry> expected{{"sin", C::Function, 0}, {"(", C::Bracket, 1}, {"\u03A0", C::Number, 2},
                                            {"\u00B7", C::Operator, 3}, {"x", C::Function, 4}, {")", C::Bracket, 5},
                                            {"Reset", C::Other, 6}};
    EXPECT_EQ(entries, expected);
}

}  // namespace
}  // namespace orrery
