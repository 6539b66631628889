// The three calculus dialogs driven as a user drives them, over a real graph
// window: the curve selector, the derivative flags and their drawing, the
// Simpson fields, scroll bar and result list, and the evaluation's Y field
// and messages.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>

#include "common/qt/frame_hooks.h"
#include "graph_fixture.h"
#include "graphing/qt/calculus_dialogs.h"
#include "graphing/qt/differentiation_dialog.h"
#include "graphing/qt/evaluation_dialog.h"
#include "graphing/qt/integration_dialog.h"
#include "shell/command_ids.h"
#include "support/recording_services.h"

namespace orrery::testing {
namespace {

// The main window as the dialogs see it: Sketch draws the graph window.
class RecordingFrame : public FrameHooks {
public:
    explicit RecordingFrame(GraphWidget& graph) : graph_(graph) {}
    std::vector<int> commands;
    int redraws = 0;

    QWidget* frameWindow() override { return nullptr; }
    void runCommand(int command) override {
        commands.push_back(command);
        if (command == command::kSketch) graph_.sketch();
    }
    void setMenuState(int) override {}
    void redrawAll() override { ++redraws; }
    void settingsChanged() override {}
    bool typeCharacters(const std::u32string&) override { return true; }

private:
    GraphWidget& graph_;
};

class CalculusDialogsTest : public GraphFixture {
protected:
    RecordingMessageService messages;
    RecordingFrame frame{widget};
    CalculusDialogs module{view, messages, frame};

    // Curve 1 .. n with these expressions; the first stays current.
    void curves(const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (i > 0) view.curves().addCurve(settings, view.range(), false);
            view.curves().current().tokens = typeText(texts[i], {}, true).tokens;
        }
        view.curves().setCurrentIndex(0);
        settings.modified = false;
    }

    std::unique_ptr<QDialog> open(int command) {
        std::unique_ptr<QDialog> dialog = module.create(command);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    template <typename T>
    static T* control(QDialog& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void click(QDialog& dialog, const char* name) {
        QTest::mouseClick(control<QAbstractButton>(dialog, name), Qt::LeftButton);
    }
    static QString text(QDialog& dialog, const char* name) {
        return control<QLineEdit>(dialog, name)->text();
    }
    static void type(QDialog& dialog, const char* name, const QString& typed) {
        QLineEdit* edit = control<QLineEdit>(dialog, name);
        edit->clear();
        QTest::keyClicks(edit, typed);
    }
    static std::vector<std::string> results(QDialog& dialog) {
        std::vector<std::string> lines;
        auto* list = control<QListWidget>(dialog, "resultList");
        for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
        return lines;
    }
    std::vector<bool> flags() const {
        std::vector<bool> out;
        for (const Curve& curve : view.curves().curves()) out.push_back(curve.showDerivative);
        return out;
    }
};

TEST_F(CalculusDialogsTest, OneModuleAnswersTheThreeCommands) {
    EXPECT_EQ(module.commands(),
              (std::vector<int>{command::kDifferentiate, command::kIntegrate, command::kQuickEvaluate}));
    EXPECT_EQ(open(command::kDifferentiate)->windowTitle(), "Approximate Differentiation");
    EXPECT_EQ(open(command::kIntegrate)->windowTitle(), "Approximate Integration with Simpson's Rule.");
    EXPECT_EQ(open(command::kQuickEvaluate)->windowTitle(), "Function evaluation");
    EXPECT_EQ(module.create(command::kSketch), nullptr);
}

TEST_F(CalculusDialogsTest, CurveSelectorUpSelectsTheNextCurveAndStopsAtBothEnds) {
    curves({"x", "2x", "3+x"});
    view.curves().setCurrentIndex(1);
    auto dialog = open(command::kQuickEvaluate);
    QScrollBar* scroll = control<QScrollBar>(*dialog, "curveScroll");
    EXPECT_EQ(text(*dialog, "curveNumber"), "2");
    EXPECT_EQ(text(*dialog, "curveExpression"), "2x");

    using Action = QAbstractSlider::SliderAction;
    const struct {
        Action action;
        const char* number;
        const char* expression;
    } steps[] = {
        {Action::SliderSingleStepSub, "3", "3+x"},  // the up arrow
        {Action::SliderPageStepSub, "3", "3+x"},    // page up: never beyond the last
        {Action::SliderSingleStepAdd, "2", "2x"},   // the down arrow
        {Action::SliderPageStepAdd, "1", "x"},
        {Action::SliderSingleStepAdd, "1", "x"},    // never below the first
    };
    for (const auto& step : steps) {
        scroll->triggerAction(step.action);
        EXPECT_EQ(text(*dialog, "curveNumber"), step.number);
        EXPECT_EQ(text(*dialog, "curveExpression"), step.expression);
    }
    QTest::keyClick(scroll, Qt::Key_Up);
    EXPECT_EQ(text(*dialog, "curveNumber"), "2") << "the Up key too";
}

TEST_F(CalculusDialogsTest, FirstDifferentiationShowsEveryDerivativeAndCloseRestoresTheFlags) {
    curves({"x", "2x", "x^2"});
    view.curves().setDerivative(1, true);
    auto first = open(command::kDifferentiate);
    EXPECT_EQ(flags(), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(control<QCheckBox>(*first, "differentiateCheck")->isChecked());
    click(*first, "closeButton");
    EXPECT_EQ(flags(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(frame.redraws, 1) << "the graph drops the flags tried";

    // Only the first opening in a run switches them on; Escape is Close.
    auto second = open(command::kDifferentiate);
    EXPECT_EQ(flags(), (std::vector<bool>{false, true, false}));
    EXPECT_FALSE(control<QCheckBox>(*second, "differentiateCheck")->isChecked());
    click(*second, "showAllButton");
    QTest::keyClick(second.get(), Qt::Key_Escape);
    EXPECT_EQ(flags(), (std::vector<bool>{false, true, false}));
}

TEST_F(CalculusDialogsTest, DerivativeSwitchesFollowTheFlagsOfEveryCurve) {
    curves({"x", "2x"});
    module.create(command::kDifferentiate);  // the first opening is behind us
    view.curves().setDerivative(-1, false);
    auto dialog = open(command::kDifferentiate);
    auto* check = control<QCheckBox>(*dialog, "differentiateCheck");
    auto* none = control<QAbstractButton>(*dialog, "showNoneButton");
    auto* all = control<QAbstractButton>(*dialog, "showAllButton");
    auto* scroll = control<QScrollBar>(*dialog, "curveScroll");

    const struct {
        const char* step;
        std::function<void()> act;
        std::vector<bool> flags;
        bool checked, noneEnabled, allEnabled;
    } steps[] = {
        {"opened", [] {}, {false, false}, false, false, true},
        {"check curve 1", [&] { QTest::mouseClick(check, Qt::LeftButton); }, {true, false}, true, true, true},
        {"select curve 2", [&] { scroll->triggerAction(QAbstractSlider::SliderSingleStepSub); },
         {true, false}, false, true, true},
        {"show all", [&] { QTest::mouseClick(all, Qt::LeftButton); }, {true, true}, true, true, false},
        {"uncheck curve 2", [&] { QTest::mouseClick(check, Qt::LeftButton); }, {true, false}, false, true, true},
        {"show none", [&] { QTest::mouseClick(none, Qt::LeftButton); }, {false, false}, false, false, true},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(flags(), s.flags) << s.step;
        EXPECT_EQ(check->isChecked(), s.checked) << s.step;
        EXPECT_EQ(none->isEnabled(), s.noneEnabled) << s.step;
        EXPECT_EQ(all->isEnabled(), s.allEnabled) << s.step;
    }
}

TEST_F(CalculusDialogsTest, SketchKeepsTheFlagsAndDrawsTheDottedDerivative) {
    curves({"2x"});
    // y' = 2 everywhere: a dotted row at y = 2, which is pixel row
    // (5 - 2) × 400 / 10 + 20 = 140 of the 440-pixel window.
    const QRect row(30, 138, 380, 5);
    widget.sketch();
    const int before = curvePixels(shot(), row);

    auto dialog = open(command::kDifferentiate);
    click(*dialog, "sketchButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(frame.commands, std::vector<int>{command::kSketch});
    EXPECT_EQ(flags(), std::vector<bool>{true});

    const QImage image = shot();
    const int after = curvePixels(image, row);
    EXPECT_LT(before, 15) << "only where the line 2x crosses the row";
    EXPECT_GT(after - before, 120) << "the derivative runs across the graph";
    int gaps = 0;  // dotted: the row has holes along it
    for (int x = 40; x < 400; ++x)
        if (!inked(image, x, 140, curveColor(), background(), 0)) ++gaps;
    EXPECT_GT(gaps, 60);
}

TEST_F(CalculusDialogsTest, SimpsonOpensOnTheCurvesLimitsAndOddPointCount) {
    curves({"x^2", "x"});
    view.curves().at(1).limits = CurveLimits{-1.25, 2.5, -5, 5};
    const struct {
        std::int32_t stored;
        const char* shown;
    } cases[] = {{500, "501"}, {499, "499"}, {2, "3"}, {30001, "30001"}};
    for (const auto& c : cases) {
        settings.pointCounts = {500, c.stored};
        view.curves().setCurrentIndex(1);
        auto dialog = open(command::kIntegrate);
        EXPECT_EQ(text(*dialog, "pointsField"), c.shown);
        EXPECT_EQ(control<QScrollBar>(*dialog, "pointsScroll")->value(), QString(c.shown).toInt());
        EXPECT_EQ(text(*dialog, "xMinEdit"), "-1.250000");
        EXPECT_EQ(text(*dialog, "xMaxEdit"), "2.500000");
        EXPECT_EQ(settings.pointCounts[1], c.stored) << "opening changes nothing";
    }
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
        {0, "0", "3",
         {"Using 3 points in the approximation,", "over the interval [ 0.000000, 3.000000 ]",
          "INTEGRAL = 9.000000"}},
        // A field that holds no number keeps the bound it had.
        {0, "abc", "3",
         {"Using 3 points in the approximation,", "over the interval [ -5.000000, 3.000000 ]",
          "INTEGRAL = 50.666667"}},
        {1, "-1", "1", {"INPUT ERROR OR DISCONTINUITY"}},
        {2, "0", "1", {"INPUT ERROR OR DISCONTINUITY"}},
    };
    for (const auto& c : cases) {
        view.curves().setCurrentIndex(c.curve);
        auto dialog = open(command::kIntegrate);
        QTest::keyClick(control<QScrollBar>(*dialog, "pointsScroll"), Qt::Key_Home);
        type(*dialog, "xMinEdit", c.xMin);
        type(*dialog, "xMaxEdit", c.xMax);
        click(*dialog, "calculateButton");
        EXPECT_EQ(results(*dialog), c.lines) << c.curve << " " << c.xMin;
        click(*dialog, "calculateButton");
        EXPECT_EQ(results(*dialog).size(), c.lines.size()) << "the list is cleared first";
    }
    view.curves().setCurrentIndex(0);
    auto dialog = open(command::kIntegrate);
    QTest::keyClick(control<QScrollBar>(*dialog, "pointsScroll"), Qt::Key_End);
    click(*dialog, "calculateButton");
    EXPECT_EQ(results(*dialog).back(), "INTEGRAL = 83.333333");
    auto* bar = control<QProgressBar>(*dialog, "progressBar");
    EXPECT_EQ(bar->maximum(), 30);
    EXPECT_EQ(bar->value(), 30) << "both passes ran to the end";
}

TEST_F(CalculusDialogsTest, SimpsonScrollBarSetsTheCurvesPointCount) {
    curves({"x^2", "x"});
    settings.pointCounts = {500, 500};
    view.curves().setCurrentIndex(1);
    auto dialog = open(command::kIntegrate);
    auto* scroll = control<QScrollBar>(*dialog, "pointsScroll");
    click(*dialog, "calculateButton");

    using Action = QAbstractSlider::SliderAction;
    const struct {
        std::function<void()> act;
        std::int32_t n;
    } steps[] = {
        {[&] { scroll->triggerAction(Action::SliderSingleStepAdd); }, 503},
        {[&] { scroll->triggerAction(Action::SliderPageStepSub); }, 501},
        {[&] { QTest::keyClick(scroll, Qt::Key_Home); }, 3},
        {[&] { scroll->triggerAction(Action::SliderSingleStepSub); }, 3},
        {[&] { QTest::keyClick(scroll, Qt::Key_End); }, 30001},
        {[&] { scroll->triggerAction(Action::SliderSingleStepAdd); }, 30001},
        {[&] { scroll->setValue(1000); }, 1001},  // the thumb on an even count
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(text(*dialog, "pointsField"), QString::number(s.n));
        EXPECT_EQ(scroll->value(), s.n);
        EXPECT_EQ(settings.pointCounts, (std::vector<std::int32_t>{500, s.n}));
        EXPECT_TRUE(results(*dialog).empty());
    }
    EXPECT_TRUE(settings.modified);
    EXPECT_EQ(frame.redraws, 0);
    click(*dialog, "closeButton");
    EXPECT_EQ(frame.redraws, 1) << "the curve is drawn with its new count";
}

TEST_F(CalculusDialogsTest, SimpsonSelectingAnotherCurveReloadsItsFields) {
    curves({"x^2", "x"});
    settings.pointCounts = {20, 500};
    view.curves().at(0).limits = CurveLimits{0, 3, -5, 5};
    view.curves().setCurrentIndex(1);
    auto dialog = open(command::kIntegrate);
    type(*dialog, "xMinEdit", "1");
    click(*dialog, "calculateButton");
    control<QScrollBar>(*dialog, "curveScroll")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(text(*dialog, "xMinEdit"), "0.000000");
    EXPECT_EQ(text(*dialog, "xMaxEdit"), "3.000000");
    EXPECT_EQ(text(*dialog, "pointsField"), "21");
    EXPECT_TRUE(results(*dialog).empty());
    click(*dialog, "calculateButton");
    EXPECT_EQ(results(*dialog).back(), "INTEGRAL = 9.000000") << "over the reloaded bounds";
    EXPECT_FALSE(settings.modified);
}

TEST_F(CalculusDialogsTest, EvaluationShowsTheValueOrAnInputErrorBox) {
    curves({"x^2", "sinx"});
    const struct {
        int curve;
        const char* x;
        bool degrees;
        const char* y;
        const char* message;
    } cases[] = {
        {0, "-.5", false, "0.250000", ""},
        {0, "2,5", false, "", "Please enter only digits, no spaces and no more than one decimal point."},
        {0, "1e3", false, "", "Please enter only digits, no spaces and no more than one decimal point."},
        {0, "", false, "", "Please enter an X-value"},
        {1, "90", true, "1.000000", ""},
        {0, "90", true, "",
         "You have chosen to evaluate in degrees, but have no trigonmetric functions. Only "
         "trigonmetric functions can be evaluated with degrees"},
    };
    auto dialog = open(command::kQuickEvaluate);
    auto* scroll = control<QScrollBar>(*dialog, "curveScroll");
    for (const auto& c : cases) {
        messages.shown.clear();
        scroll->setValue(1 - c.curve);
        type(*dialog, "xEdit", c.x);
        control<QCheckBox>(*dialog, "degreesCheck")->setChecked(c.degrees);
        click(*dialog, "calculateButton");
        EXPECT_EQ(text(*dialog, "yEdit"), c.y) << c.x;
        if (*c.message) {
            ASSERT_EQ(messages.shown.size(), 1u) << c.x;
            EXPECT_EQ(messages.shown[0].caption, "Input Error");
            EXPECT_EQ(messages.shown[0].text, c.message);
        } else {
            EXPECT_TRUE(messages.shown.empty()) << c.x;
        }
    }
}

TEST_F(CalculusDialogsTest, EnterInXCalculatesAndTheTooltipKeepsSeventeenDigits) {
    curves({"x"});
    auto dialog = open(command::kQuickEvaluate);
    dialog->show();
    QLineEdit* x = control<QLineEdit>(*dialog, "xEdit");
    QTest::keyClicks(x, "0.0000001");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible()) << "Enter calculates, it does not close";
    EXPECT_EQ(text(*dialog, "yEdit"), "0.000000");
    EXPECT_EQ(control<QLineEdit>(*dialog, "yEdit")->toolTip(), "9.9999999999999995e-08");
}

}  // namespace
}  // namespace orrery::testing
