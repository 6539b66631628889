#pragma once

#include <optional>
#include <vector>

#include "common/user_message.h"
#include "expression/typing.h"
#include "graphing/graph_view.h"

namespace orrery {

// The calculator's editing state on the current curve of a graph view: the
// letters typed so far, second-function mode, and every key, Back and cursor
// movement of the face and the keyboard. Each edit of a curve's keys marks
// the settings modified, so unsaved typing is never closed away silently.
class CalculatorInput {
  public:
    enum class CursorKey { Left, Right, Home, End, Up, Down, Delete };

    explicit CalculatorInput(GraphView& view);

    TypingState& typing() { return typing_; }
    const TypingState& typing() const { return typing_; }
    bool secondMode() const { return secondMode_; }

    // Face buttons 0-29: button 0 toggles second-function mode, the others
    // insert their key at the cursor. Pending letters are resolved first; a
    // name that does not resolve stops the press with its message.
    std::optional<UserMessage> pressButton(int buttonId);

    // One typed character. Back and the second-function toggle are carried
    // out here; the returned command is None, Sketch or BackToCalculator for
    // the frame to run, and the message (if any) is for the frame to show.
    TypedOutcome typeCharacter(char32_t c, bool graphFillsWindow);

    // The Back key: the last pending letter if there is one, otherwise the
    // key before the cursor (the first key when the cursor is at 0).
    void back();

    // lineStarts: the first key of every line of the symbol display, for Up
    // and Down.
    std::optional<UserMessage> cursorKey(CursorKey key, const std::vector<int>& lineStarts);

    // A click in the symbol display. Letters still pending stay at the cursor.
    void placeCursor(int tokenIndex);

    // Turns pending letters into their key at the cursor (Next, Last, Sketch).
    std::optional<UserMessage> resolvePending();

    // Typed letters are dropped (New, Open, Reset).
    void clear() { typing_.clearPendingLetters(); }

  private:
    Curve& curve() { return view_.curves().current(); }
    std::optional<UserMessage> insertKey(int key);
    void markModified() { view_.settings().modified = true; }

    GraphView& view_;
    TypingState typing_;
    bool secondMode_ = false;
};

}  // namespace orrery
