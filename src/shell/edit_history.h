#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "graphing/graph_view.h"

namespace orrery {

// A curve as the history keeps it: its keys as one byte each (their index
// in the key table), everything else as it was.
struct KeptCurve {
    Curve curve;  // without its tokens
    std::vector<std::uint8_t> keys;
};

// One state of the document as the edit history keeps it. Curves and
// settings are shared between states that did not change them, so a step
// costs about what it changed, not the whole document.
struct EditState {
    std::vector<std::shared_ptr<const KeptCurve>> curves;
    std::vector<std::int32_t> cursors;  // kept apart, so a moved cursor copies no curve
    std::int32_t currentIndex = 0;
    CurveLimits range;
    GraphText text;
    bool curvesShown = false;
    std::shared_ptr<const GraphSettings> settings;
    std::size_t bytes = 0;  // memory this state added to the one before it
};

// Undo and Redo of the changes to the curves, the graph text and the graph
// settings. The frame shows the history the view after every action; a state
// whose content differs from the last becomes one step. Moving the cursor or
// changing the current curve is no step of its own, but undo puts them back
// as they were. Steps are unlimited until their memory passes the budget;
// then the oldest go, but never below the minimum.
class EditHistory {
  public:
    static constexpr std::size_t kMinimumSteps = 200;
    static constexpr std::size_t kByteBudget = std::size_t{256} << 20;

    explicit EditHistory(std::size_t minimumSteps = kMinimumSteps,
                         std::size_t byteBudget = kByteBudget);

    // Forgets every step: the view's state is where the history begins
    // (a new or opened document).
    void start(const GraphView& view);
    // True when the view changed since the last state and a step was recorded.
    bool observe(const GraphView& view);
    // Takes the view as it is without a step (a zoom, which has its own reversal).
    void rebase(const GraphView& view);

    // Restore the state before the last step, or after the last undone one;
    // false when there is none. Restoring marks the settings modified: the
    // document differs from its file.
    bool undo(GraphView& view);
    bool redo(GraphView& view);
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoSteps() const { return undo_.size(); }
    // The memory held by the steps (estimated).
    std::size_t bytes() const;

  private:
    EditState capture(const GraphView& view) const;
    bool step(std::deque<EditState>& from, std::deque<EditState>& to, GraphView& view);
    static void apply(const EditState& state, GraphView& view);
    void trim();

    std::size_t minimumSteps_;
    std::size_t byteBudget_;
    EditState current_;
    std::deque<EditState> undo_;
    std::deque<EditState> redo_;
};

}  // namespace orrery
