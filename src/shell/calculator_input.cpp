#include "shell/calculator_input.h"

#include <algorithm>

#include "graphing/graph_limits.h"

namespace orrery {

CalculatorInput::CalculatorInput(GraphView& view) : view_(view) {}

std::optional<UserMessage> CalculatorInput::insertKey(int key) {
    if (view_.curves().keyCount() >= kMaxKeysInAllCurves) return tooManyKeysMessage();
    if (std::optional<UserMessage> full = curve().insertAtCursor(keyAt(key))) return full;
    markModified();
    return std::nullopt;
}

std::optional<UserMessage> CalculatorInput::resolvePending() {
    TypingState::Resolution resolution = typing_.resolvePendingLetters();
    if (!resolution.ok) return resolution.message;
    if (resolution.key) return insertKey(*resolution.key);
    return std::nullopt;
}

std::optional<UserMessage> CalculatorInput::pressButton(int buttonId) {
    if (buttonId < 0 || buttonId >= key::kReset) return std::nullopt;
    if (std::optional<UserMessage> message = resolvePending()) return message;
    if (buttonId == key::kSecondFunction) {
        secondMode_ = !secondMode_;
        return std::nullopt;
    }
    return insertKey(keyForButton(buttonId, secondMode_));
}

TypedOutcome CalculatorInput::typeCharacter(char32_t c, bool graphFillsWindow) {
    using Command = TypedOutcome::Command;
    TypedOutcome outcome = typing_.typeCharacter(c, graphFillsWindow);
    for (int key : outcome.keys) {
        if (std::optional<UserMessage> full = insertKey(key)) {
            // A key that does not fit ends the character: no Sketch on a
            // half-inserted name.
            outcome.message = full;
            outcome.command = Command::None;
            return outcome;
        }
    }
    if (outcome.command == Command::Back) {
        back();
        outcome.command = Command::None;
    } else if (outcome.command == Command::ToggleSecondFunction) {
        secondMode_ = !secondMode_;
        outcome.command = Command::None;
    }
    return outcome;
}

void CalculatorInput::back() {
    if (typing_.removeLastPendingLetter()) return;
    if (curve().deleteBeforeCursor()) markModified();
}

std::optional<UserMessage> CalculatorInput::cursorKey(CursorKey key,
                                                      const std::vector<int>& lineStarts) {
    if (std::optional<UserMessage> message = resolvePending()) return message;
    Curve& c = curve();
    const int count = static_cast<int>(c.tokens.size());
    const int at = std::clamp(c.cursor, 0, count);
    // The last line start at or before the cursor, and the one before it.
    int lineStart = 0;
    int previousLineStart = 0;
    int nextLineStart = -1;
    for (int start : lineStarts) {
        if (start <= at) {
            previousLineStart = lineStart;
            lineStart = start;
        } else if (nextLineStart < 0) {
            nextLineStart = start;
        }
    }
    switch (key) {
        case CursorKey::Left:
            c.moveCursor(at - 1);
            break;
        case CursorKey::Right:
            c.moveCursor(at + 1);
            break;
        case CursorKey::Home:
            c.moveCursor(0);
            break;
        case CursorKey::End:
            c.moveCursor(count);
            break;
        case CursorKey::Up:
            c.moveCursor(at == lineStart ? previousLineStart : lineStart);
            break;
        case CursorKey::Down:
            if (nextLineStart >= 0) c.moveCursor(nextLineStart);
            break;
        case CursorKey::Delete:
            typing_.clearPendingLetters();
            if (c.deleteAtCursor()) markModified();
            break;
    }
    return std::nullopt;
}

void CalculatorInput::placeCursor(int tokenIndex) {
    curve().moveCursor(tokenIndex);
}

}  // namespace orrery
