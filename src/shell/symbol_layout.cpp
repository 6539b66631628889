#include "shell/symbol_layout.h"

#include <algorithm>

#include "expression/key_table.h"

namespace orrery {
namespace {

SymbolColor colorOf(KeyClass keyClass) {
    switch (keyClass) {
        case KeyClass::Number:
            return SymbolColor::Number;
        case KeyClass::Function:
            return SymbolColor::Function;
        case KeyClass::Bracket:
            return SymbolColor::Bracket;
        case KeyClass::Operator:
            return SymbolColor::Operator;
        case KeyClass::Control:
            break;
    }
    return SymbolColor::Other;
}

}  // namespace

std::vector<SymbolEntry> symbolEntries(const Curve& curve, const std::string& pendingLetters) {
    const int count = static_cast<int>(curve.tokens.size());
    const int cursor = std::clamp(curve.cursor, 0, count);
    std::vector<SymbolEntry> entries;
    entries.reserve(curve.tokens.size() + 1);
    for (int i = 0; i <= count; ++i) {
        if (i == cursor && !pendingLetters.empty())
            entries.push_back(SymbolEntry{pendingLetters, SymbolColor::Pending, cursor});
        if (i == count) break;
        const ExpressionToken& token = curve.tokens[static_cast<std::size_t>(i)];
        const std::string text = token.index == key::kPi ? "\u03A0" : textForm(token);
        entries.push_back(SymbolEntry{text, colorOf(token.keyClass), i});
    }
    return entries;
}

SymbolLayout::SymbolLayout(std::vector<SymbolEntry> entries, const std::vector<int>& advances,
                           int clientWidth, int averageCharWidth, int cursorEntry)
    : entries_(std::move(entries)) {
    const int acw = std::max(1, averageCharWidth);
    const int breakAt = clientWidth - 7 * acw;
    const int n = static_cast<int>(entries_.size());
    placed_.resize(entries_.size());
    lineStarts_.clear();
    int x = acw;
    int line = 0;
    bool lineEmpty = true;
    for (int i = 0; i < n; ++i) {
        const SymbolEntry& entry = entries_[static_cast<std::size_t>(i)];
        if (entry.color != SymbolColor::Pending) ++tokenCount_;
        // The first entry of a line stays on it even in a very narrow window.
        if (x > breakAt && !lineEmpty) {
            x = acw;
            ++line;
            lineEmpty = true;
        }
        if (lineEmpty && (lineStarts_.empty() || lineStarts_.back() != entry.tokenIndex))
            lineStarts_.push_back(entry.tokenIndex);
        lineEmpty = false;
        const int advance = i < static_cast<int>(advances.size())
                                ? std::max(0, advances[static_cast<std::size_t>(i)])
                                : 0;
        placed_[static_cast<std::size_t>(i)] = Placed{x, line, advance};
        x += advance;
    }
    if (lineStarts_.empty()) lineStarts_.push_back(0);
    lineCount_ = line + 1;

    const int at = std::clamp(cursorEntry, 0, n);
    if (at < n) {
        const Placed& placed = placed_[static_cast<std::size_t>(at)];
        cursorLine_ = placed.line;
        cursorX_ = placed.x;
        cursorWidth_ = std::max(placed.advance, 1);
    } else {
        cursorLine_ = line;
        cursorX_ = x;
        cursorWidth_ = acw;
    }
    firstVisible_ = lineCount_ <= 1 ? 0 : std::clamp(cursorLine_ - 1, 0, lineCount_ - 2);
}

int SymbolLayout::hitTest(int row, int x) const {
    const int line = firstVisible_ + std::clamp(row, 0, 1);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Placed& placed = placed_[i];
        if (placed.line == line && x >= placed.x && x < placed.x + placed.advance)
            return entries_[i].tokenIndex;
    }
    return tokenCount_;
}

}  // namespace orrery
