#pragma once

#include <string>
#include <vector>

#include "graphing/curve.h"

namespace orrery {

// The colour groups of the symbol display.
enum class SymbolColor { Number, Function, Bracket, Operator, Pending, Other };

// One piece of text in the symbol display: a key's short form, or the letters
// typed so far (shown at the cursor until they become a function key).
struct SymbolEntry {
    std::string text;  // UTF-8
    SymbolColor color = SymbolColor::Other;
    int tokenIndex = 0;  // the key it shows; the cursor position for pending letters

    friend bool operator==(const SymbolEntry&, const SymbolEntry&) = default;
};

// The entries of a curve with its pending letters at the cursor. PI shows as
// the Greek capital pi.
std::vector<SymbolEntry> symbolEntries(const Curve& curve, const std::string& pendingLetters);

// The entries laid out left to right in lines: an entry whose left edge would
// pass the client width less seven character widths starts a new line one
// character width from the left. Two lines show at a time: the cursor's line
// at the bottom and the one before it at the top.
class SymbolLayout {
  public:
    SymbolLayout() = default;
    // advances: each entry's width in pixels. cursorEntry: the entry at the
    // cursor (the entry count when the cursor is at the end).
    SymbolLayout(std::vector<SymbolEntry> entries, const std::vector<int>& advances,
                 int clientWidth, int averageCharWidth, int cursorEntry);

    const std::vector<SymbolEntry>& entries() const { return entries_; }
    int entryX(int entry) const { return placed_.at(static_cast<std::size_t>(entry)).x; }
    int entryLine(int entry) const { return placed_.at(static_cast<std::size_t>(entry)).line; }
    int entryAdvance(int entry) const {
        return placed_.at(static_cast<std::size_t>(entry)).advance;
    }
    int lineCount() const { return lineCount_; }
    // The key index that starts each line, for Up and Down.
    const std::vector<int>& lineStarts() const { return lineStarts_; }

    // The line shown in the upper row; the next one (if any) is the lower row.
    int firstVisibleLine() const { return firstVisible_; }
    int cursorLine() const { return cursorLine_; }
    // The cell the box cursor frames: the cursor's entry, or one character
    // after the last entry.
    int cursorX() const { return cursorX_; }
    int cursorWidth() const { return cursorWidth_; }

    // The key position a click at x in visible row 0 or 1 puts the cursor
    // at: the key under the click, or after the last key when none is hit.
    int hitTest(int row, int x) const;

  private:
    struct Placed {
        int x = 0;
        int line = 0;
        int advance = 0;
    };
    std::vector<SymbolEntry> entries_;
    std::vector<Placed> placed_;
    std::vector<int> lineStarts_{0};
    int lineCount_ = 1;
    int firstVisible_ = 0;
    int cursorLine_ = 0;
    int cursorX_ = 0;
    int cursorWidth_ = 0;
    int tokenCount_ = 0;
};

}  // namespace orrery
