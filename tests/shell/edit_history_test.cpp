#include "shell/edit_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace orrery {
namespace {

// A view with its settings, edited the way the calculator and the dialogs do.
struct Document {
    GraphSettings settings;
    GraphView view{settings};

    void typeKeys(std::initializer_list<int> keys) {
        for (int k : keys) ASSERT_FALSE(view.curves().current().insertAtCursor(keyAt(k)));
    }
    // What the history must give back: everything but the settings' modified flag.
    GraphDocument state() const { return view.document(); }
};

constexpr int kThree = 20, kSin = 17, kX = 3, kPlus = 27, kOne = 18;

TEST(EditHistory, UndoAfterResetBringsEveryCurveBackWithKeysAndCursor) {
    Document d;
    EditHistory history;
    history.start(d.view);
    d.typeKeys({kThree, kSin, kX});
    d.view.curves().current().moveCursor(1);
    ASSERT_FALSE(d.view.nextCurve());
    d.typeKeys({kX, kPlus, kOne});
    d.view.text().text = "label";
    d.view.text().shown = true;
    history.observe(d.view);
    const GraphDocument before = d.state();
    const std::vector<CurveLimits> limitsBefore = d.settings.limits;

    d.view.resetAll();
    EXPECT_TRUE(history.observe(d.view));
    ASSERT_TRUE(history.undo(d.view));
    EXPECT_EQ(d.state(), before);
    EXPECT_EQ(d.settings.limits, limitsBefore);
    EXPECT_EQ(d.view.curves().at(0).cursor, 1);
    EXPECT_TRUE(d.settings.modified);  // the document now differs from its file

    ASSERT_TRUE(history.redo(d.view));
    EXPECT_EQ(d.view.curves().count(), 1);
    EXPECT_TRUE(d.view.curves().current().tokens.empty());
    EXPECT_FALSE(history.redo(d.view));
}

TEST(EditHistory, UndoAndRedoOverMixedEditsMatchTheStatesTheyPassedThrough) {
    Document d;
    EditHistory history;
    history.start(d.view);
    std::mt19937 random(7);
    const std::vector<std::function<void()>> edits{
        [&] { d.typeKeys({kX}); },
        [&] { d.view.curves().current().deleteBeforeCursor(); },
        [&] { (void)d.view.nextCurve(); },
        [&] { d.view.restoreDefaults(); },
        [&] { d.settings.setThickness(0, 3, false); },
        [&] { d.view.applyLimit(0, true, 1, 7.5, "7.5"); },
        [&] { d.view.text().text += "a"; },
        [&] { d.view.moveText(5, -3); },
        [&] { d.view.curves().setDerivative(-1, true); },
    };
    std::vector<GraphDocument> states{d.state()};
    for (int n = 0; n < 60; ++n) {
        edits[random() % edits.size()]();
        if (history.observe(d.view)) states.push_back(d.state());
    }
    ASSERT_GT(states.size(), 30u);
    const std::size_t last = states.size() - 1;
    for (std::size_t back = 1; back <= last; ++back) {
        ASSERT_TRUE(history.undo(d.view));
        ASSERT_EQ(d.state(), states[last - back]) << back << " steps back";
    }
    EXPECT_FALSE(history.undo(d.view));
    for (std::size_t step = 1; step <= 5; ++step) ASSERT_TRUE(history.redo(d.view));
    EXPECT_EQ(d.state(), states[5]);
    // A new edit after undoing ends the redo branch.
    d.typeKeys({kOne});
    EXPECT_FALSE(history.redo(d.view));
    ASSERT_TRUE(history.undo(d.view));
    EXPECT_EQ(d.state(), states[5]);
}

TEST(EditHistory, CursorMovesZoomsSavesAndReadingSettingsAreNoSteps) {
    Document d;
    EditHistory history;
    history.start(d.view);
    d.typeKeys({kThree, kX});
    ASSERT_TRUE(history.observe(d.view));

    d.view.curves().current().moveCursor(0);
    d.settings.modified = false;      // a save
    (void)d.settings.pointCount(40);  // a drawing reads a curve's settings
    d.view.setSize(800, 600);
    d.view.zoomIn({100, 100, 300, 250});
    history.rebase(d.view);
    EXPECT_FALSE(history.observe(d.view));
    EXPECT_EQ(history.undoSteps(), 1u);

    // The cursor moved before the next key: undoing that key puts it back there.
    d.typeKeys({kOne});
    ASSERT_TRUE(history.observe(d.view));
    ASSERT_TRUE(history.undo(d.view));
    EXPECT_EQ(d.view.curves().current().cursor, 0);
    EXPECT_EQ(d.view.curves().current().tokens.size(), 2u);
}

TEST(EditHistory, StepsBeyondTheMinimumGoOnlyWhenTheirMemoryPassesTheBudget) {
    Document d;
    // Unlimited while memory allows: a thousand small steps all stay.
    EditHistory roomy;
    roomy.start(d.view);
    for (int n = 0; n < 1000; ++n) {
        d.typeKeys({kX});
        roomy.observe(d.view);
    }
    EXPECT_EQ(roomy.undoSteps(), 1000u);

    // A tight budget keeps the newest steps, never fewer than the minimum.
    EditHistory tight(200, 1);
    tight.start(d.view);
    for (int n = 0; n < 300; ++n) {
        d.typeKeys({kOne});
        tight.observe(d.view);
    }
    EXPECT_EQ(tight.undoSteps(), 200u);
    for (int n = 0; n < 200; ++n) ASSERT_TRUE(tight.undo(d.view));
    EXPECT_EQ(d.view.curves().current().tokens.size(), 1000u + 100u);
}

TEST(EditHistory, AStepCostsTheCurveItChangedNotTheWholeDocument) {
    // 100 curves of 2000 keys (the most a curve takes): the document the history starts from is
    // kept once, at about a byte a key; each step after it adds one curve.
    Document d;
    for (int c = 0; c < 100; ++c) {
        if (c > 0) {
            ASSERT_FALSE(d.view.nextCurve());
        }
        for (int k = 0; k < 1999; ++k) d.typeKeys({k % 2 ? kPlus : kX});
    }
    EditHistory history;
    history.start(d.view);
    d.view.curves().setCurrentIndex(50);
    d.typeKeys({kOne});
    ASSERT_TRUE(history.observe(d.view));
    const std::size_t whole = history.bytes();
    EXPECT_GT(whole, 100u * 1999u);
    EXPECT_LT(whole, 100u * (2000u + 2 * sizeof(KeptCurve)));
    d.view.curves().current().deleteBeforeCursor();
    ASSERT_TRUE(history.observe(d.view));
    EXPECT_LT(history.bytes() - whole, 2002u + 2 * sizeof(KeptCurve));
}

}  // namespace
}  // namespace orrery
