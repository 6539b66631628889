// The three calculus dialogs driven as a user drives them, over a real graph
// window: the curve selector, the derivative flags and their drawing, the
// Simpson fields, scroll bar and result list, and the evaluation's Y field.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "common/qt/frame_hooks.h"
#include "graph_fixture.h"
#include "graphing/qt/calculus_dialogs.h"
#include "shell/command_ids.h"
#include "support/recording_frame.h"
#include "support/recording_services.h"

namespace orrery::testing {
namespace {

using Action = QAbstractSlider::SliderAction;

class CalculusDialogsTest : public GraphFixture {
protected:
    RecordingMessageService messages;
    RecordingFrame frame = sketchingFrame();
    CalculusDialogs module{view, messages, frame};

    // Sketch draws the graph window.
    RecordingFrame sketchingFrame() {
        RecordingFrame made;
        made.onCommand = [this](int command) {
            if (command == command::kSketch) widget.sketch();
        };
        return made;
    }
    std::unique_ptr<QDialog> dialog;

    // Curves 1 .. n with these expressions; `current` is the current one.
    void curves(const std::vector<std::string>& texts, int current = 0) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (i > 0) view.curves().addCurve(settings, view.range(), false);
            view.curves().current().tokens = typeText(texts[i], {}, true).tokens;
        }
        view.curves().setCurrentIndex(current);
        settings.modified = false;
    }
    void open(int command) { dialog = module.create(command); }

    template <typename T>
    T* control(const char* name) {
        T* found = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    std::string text(const char* name) { return control<QLineEdit>(name)->text().toStdString(); }
    std::string label(const char* name) { return control<QLabel>(name)->text().toStdString(); }
    std::string shownCurve() { return label("curveNumber") + " " + label("curveLabel"); }
    void type(const char* name, const char* typed) {
        control<QLineEdit>(name)->clear();
        QTest::keyClicks(control<QLineEdit>(name), QString::fromUtf8(typed));
    }
    void scroll(const char* name, Action action) { control<QScrollBar>(name)->triggerAction(action); }
    std::vector<std::string> results() {
        std::vector<std::string> lines;
        auto* list = control<QListWidget>("resultList");
        for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
        return lines;
    }
    std::vector<bool> flags() const {
        std::vector<bool> out;
        for (const Curve& curve : view.curves().curves()) out.push_back(curve.showDerivative);
        return out;
    }
};

TEST_F(CalculusDialogsTest, CurveSelectorUpSelectsTheNextCurveAndStopsAtBothEnds) {
    curves({"x", "2x", "3+x"}, 1);
    open(command::kQuickEvaluate);
    EXPECT_EQ(shownCurve(), "2 2x");
    const std::pair<Action, const char*> steps[] = {
        {Action::SliderSingleStepSub, "3 3+x"},  // the up arrow
        {Action::SliderPageStepSub, "3 3+x"},    // page up: never beyond the last
        {Action::SliderSingleStepAdd, "2 2x"},   // the down arrow
        {Action::SliderPageStepAdd, "1 x"},
        {Action::SliderSingleStepAdd, "1 x"},    // never below the first
    };
    for (const auto& [action, shown] : steps) {
        scroll("curveBar", action);
        EXPECT_EQ(shownCurve(), shown);
    }
}

TEST_F(CalculusDialogsTest, DialogsOpenOnTheExpressionWithItsPendingLettersResolved) {
    curves({"2x"});
    for (const int command : {command::kDifferentiate, command::kIntegrate, command::kQuickEvaluate}) {
        frame.resolve = [&] {
            view.curves().current().tokens = typeText("2sinx", {}, true).tokens;
            return true;
        };
        open(command);
        EXPECT_EQ(label("curveLabel"), "2sinx") << command;
        frame.resolve = [] { return false; };  // the letters make no key
        EXPECT_EQ(module.create(command), nullptr) << command;
    }
    EXPECT_EQ(module.create(command::kSketch), nullptr);
}

TEST_F(CalculusDialogsTest, FirstDifferentiationShowsEveryDerivativeAndCloseRestoresTheFlags) {
    curves({"x", "2x", "x^2"});
    view.curves().setDerivative(1, true);
    open(command::kDifferentiate);
    EXPECT_EQ(flags(), (std::vector<bool>{true, true, true}));
    click("closeButton");
    EXPECT_EQ(flags(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(frame.redraws, 1) << "the graph drops the flags tried";

    // Only the first opening in a run switches them on; Escape is Close.
    open(command::kDifferentiate);
    EXPECT_EQ(flags(), (std::vector<bool>{false, true, false}));
    click("showAllButton");
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(flags(), (std::vector<bool>{false, true, false}));
}

TEST_F(CalculusDialogsTest, DerivativeSwitchesFollowTheFlagsOfEveryCurve) {
    curves({"x", "2x"});
    module.create(command::kDifferentiate);  // the first opening is behind us
    view.curves().setDerivative(-1, false);
    open(command::kDifferentiate);
    auto* check = control<QCheckBox>("differentiateCheck");
    const struct {
        const char* step;
        std::function<void()> act;
        std::vector<bool> flags;
        bool checked, noneEnabled, allEnabled;
    } steps[] = {
        {"opened", [] {}, {false, false}, false, false, true},
        {"check curve 1", [&] { click("differentiateCheck"); }, {true, false}, true, true, true},
        {"up to curve 2", [&] { scroll("curveBar", Action::SliderSingleStepSub); }, {true, false}, false, true, true},
        {"show all", [&] { click("showAllButton"); }, {true, true}, true, true, false},
        {"uncheck curve 2", [&] { click("differentiateCheck"); }, {true, false}, false, true, true},
        {"show none", [&] { click("showNoneButton"); }, {false, false}, false, false, true},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(flags(), s.flags) << s.step;
        EXPECT_EQ(check->isChecked(), s.checked) << s.step;
        EXPECT_EQ(control<QAbstractButton>("showNoneButton")->isEnabled(), s.noneEnabled) << s.step;
        EXPECT_EQ(control<QAbstractButton>("showAllButton")->isEnabled(), s.allEnabled) << s.step;
    }
}

TEST_F(CalculusDialogsTest, SketchKeepsTheFlagsAndDrawsTheDottedDerivative) {
    curves({"2x"});
    // y' = 2 everywhere: a dotted row at y = 2, which is pixel row
    // (5 - 2) × 400 / 10 + 20 = 140 of the 440-pixel window.
    const QRect row(30, 138, 380, 5);
    widget.sketch();
    const int before = curvePixels(shot(), row);

    open(command::kDifferentiate);
    click("sketchButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(frame.commands, std::vector<int>{command::kSketch});
    EXPECT_EQ(flags(), std::vector<bool>{true});

    const QImage image = shot();
    EXPECT_LT(before, 15) << "only where the line 2x crosses the row";
    EXPECT_GT(curvePixels(image, row) - before, 120) << "the derivative runs across the graph";
    int gaps = 0;  // dotted: the row has holes along it
    for (int x = 40; x < 400; ++x)
        if (!inked(image, x, 140, curveColor(), background(), 0)) ++gaps;
    EXPECT_GT(gaps, 60);
}

TEST_F(CalculusDialogsTest, SimpsonLoadsTheSelectedCurvesLimitsAndOddPointCount) {
    curves({"x^2", "x"}, 1);
    view.curves().at(0).limits = CurveLimits{0, 3, -5, 5};
    view.curves().at(1).limits = CurveLimits{-1.25, 2.5, -5, 5};
    for (const auto& [stored, shown] : {std::pair{500, "501"}, {2, "3"}}) {
        settings.pointCounts = {20, stored};
        open(command::kIntegrate);
        EXPECT_EQ(text("pointsField"), shown);
        EXPECT_EQ(control<QScrollBar>("pointsScroll")->value(), std::stoi(shown));
        EXPECT_EQ(text("xMinEdit") + " " + text("xMaxEdit"), "-1.250000 2.500000");
    }
    // Another curve brings its own fields and clears the results.
    click("calculateButton");
    scroll("curveBar", Action::SliderSingleStepAdd);
    EXPECT_EQ(text("xMinEdit") + " " + text("xMaxEdit") + " " + text("pointsField"), "0.000000 3.000000 21");
    EXPECT_TRUE(results().empty());
    EXPECT_EQ(settings.pointCounts, (std::vector<std::int32_t>{20, 2})) << "loading changes nothing";
    EXPECT_FALSE(settings.modified);
}

TEST_F(CalculusDialogsTest, SimpsonCalculateListsTheResultOrTheFailure) {
    curves({"x^2", "1/x", ""});
    const struct {
        int curve;
        const char* xMin;
        const char* xMax;
        std::vector<std::string> lines;
    } cases[] = {
        // A field that holds no number keeps the bound it had.
        {0, "abc", "3",
         {"Using 3 points in the approximation,", "over the interval [ -5.000000, 3.000000 ]",
          "INTEGRAL = 50.666667"}},
        {1, "-1", "1", {"INPUT ERROR OR DISCONTINUITY"}},
        {2, "0", "1", {"INPUT ERROR OR DISCONTINUITY"}},
    };
    for (const auto& c : cases) {
        view.curves().setCurrentIndex(c.curve);
        open(command::kIntegrate);
        QTest::keyClick(control<QScrollBar>("pointsScroll"), Qt::Key_Home);
        type("xMinEdit", c.xMin);
        type("xMaxEdit", c.xMax);
        click("calculateButton");
        click("calculateButton");  // the list is cleared first
        EXPECT_EQ(results(), c.lines) << c.curve << " " << c.xMin;
    }
    view.curves().setCurrentIndex(0);
    open(command::kIntegrate);
    QTest::keyClick(control<QScrollBar>("pointsScroll"), Qt::Key_End);
    click("calculateButton");
    EXPECT_EQ(results().back(), "INTEGRAL = 83.333333");
    EXPECT_EQ(control<QProgressBar>("progressBar")->value(), 30) << "both passes ran to the end";
}

TEST_F(CalculusDialogsTest, SimpsonScrollBarSetsTheCurvesPointCount) {
    curves({"x^2", "x"}, 1);
    settings.pointCounts = {500, 500};
    open(command::kIntegrate);
    auto* bar = control<QScrollBar>("pointsScroll");
    click("calculateButton");
    const std::pair<std::function<void()>, std::int32_t> steps[] = {
        {[&] { bar->triggerAction(Action::SliderSingleStepAdd); }, 503},
        {[&] { QTest::keyClick(bar, Qt::Key_Home); }, 3},
        {[&] { QTest::keyClick(bar, Qt::Key_End); }, 30001},
        {[&] { bar->setValue(1000); }, 1001},  // the thumb on an even count
    };
    for (const auto& [act, n] : steps) {
        act();
        EXPECT_EQ(text("pointsField"), std::to_string(n));
        EXPECT_EQ(bar->value(), n);
        EXPECT_EQ(settings.pointCounts, (std::vector<std::int32_t>{500, n}));
        EXPECT_TRUE(results().empty());
    }
    EXPECT_TRUE(settings.modified);
    EXPECT_EQ(frame.redraws, 0);
    click("closeButton");
    EXPECT_EQ(frame.redraws, 1) << "the curve is drawn with its new count";
}

TEST_F(CalculusDialogsTest, EnterInXShowsTheValueWithItsTooltipOrAnInputErrorBox) {
    curves({"x^2", "sinx", "x"});
    const char* const onlyDigits = "Please enter only digits, no spaces and no more than one decimal point.";
    const struct {
        int curve;
        const char* x;
        bool degrees;
        const char* y;  // the field, then its tooltip
        const char* message;
    } cases[] = {
        {0, "-.5", false, "0.250000 0.25", ""},
        {0, "2,5", false, " ", onlyDigits},
        {1, "90", true, "1.000000 1", ""},
        {2, "0.0000001", false, "0.000000 9.9999999999999995e-08", ""},
    };
    open(command::kQuickEvaluate);
    dialog->show();
    for (const auto& c : cases) {
        messages.shown.clear();
        control<QScrollBar>("curveBar")->setValue(2 - c.curve);
        type("xEdit", c.x);
        control<QCheckBox>("degreesCheck")->setChecked(c.degrees);
        QTest::keyClick(control<QLineEdit>("xEdit"), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible()) << "Enter calculates, it does not close";
        EXPECT_EQ(text("yEdit") + " " + control<QLineEdit>("yEdit")->toolTip().toStdString(), c.y) << c.x;
        std::string shown;
        for (const UserMessage& m : messages.shown) shown += m.caption + ": " + m.text;
        EXPECT_EQ(shown, *c.message ? std::string("Input Error: ") + c.message : "") << c.x;
    }
}

}  // namespace
}  // namespace orrery::testing
