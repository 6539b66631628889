// The appearance dialogs and the settings sheet, driven as a person would:
// what the live settings, the store and the picture hold after each button.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "common/qt/frame_hooks.h"
#include "graph_fixture.h"
#include "graphing/qt/appearance_dialogs.h"
#include "graphing/qt/appearance_page.h"
#include "graphing/qt/appearance_sheet.h"
#include "persistence/memory_settings_store.h"
#include "shell/command_ids.h"
#include "support/recording_frame.h"
#include "support/recording_services.h"

namespace orrery::testing {
namespace {

// The main window as the module sees it: redraws repaint the graph window.
RecordingFrame redrawingFrame(GraphWidget& graph) {
    RecordingFrame frame;
    frame.onRedraw = [&graph] { graph.update(); };
    return frame;
}

template <typename T>
T* find(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// A click, also on a page whose layout has not run yet.
void click(QWidget* parent, const char* name) { find<QAbstractButton>(parent, name)->click(); }

// Replaces a field's text as typing over it would.
void retype(QWidget* parent, const char* name, const QString& text) {
    auto* field = find<QLineEdit>(parent, name);
    field->selectAll();
    field->insert(text);
}

class AppearanceTest : public GraphFixture {
protected:
    MemorySettingsStore store;
    RecordingMessageService messages;
    ScriptedDialogService dialogs;
    RecordingFrame frame = redrawingFrame(widget);
    AppearanceDialogs module{view, store, messages, dialogs, frame};

    AppearanceSheet& open(int command) {
        module.run(command);
        AppearanceSheet* sheet = module.openWindow(command);
        EXPECT_NE(sheet, nullptr);
        return *sheet;
    }

    // Curves 2 onwards, each with an expression.
    void addCurves(int count, const std::string& text = "x") {
        for (int k = 0; k < count; ++k) {
            view.curves().addCurve(settings, view.range(), true);
            type(text);
        }
    }

    QWidget* page(AppearanceSheet& sheet, int index) { return sheet.page(index); }
};

TEST_F(AppearanceTest, EachCommandOpensItsWindowOnItsPage) {
    struct Case {
        int command;
        const char* title;
        const char* closeText;
        int tabs;  // 0: a dialog without tabs
        int shownPage;
        const char* status;
        std::vector<const char*> firstTabs;
    };
    const Case cases[] = {
        {command::kCurveLook, "Curve Look", "Close", 0, 0, "", {}},
        {command::kDomainsRange, "Domains/Range", "Close", 0, 0, "", {}},
        {command::kSetColors, "Set Colors: Background", "Cancel", 6, 1, "Set color: Background",
         {"Curve Color", "Background Color", "Axes Color"}},
        {command::kOpenProfile, "Profiles", "Close", 10, 0, "",
         {"Profiles", "Domains/Range", "Curve Look", "Curve Colors"}},
    };
    for (const Case& c : cases) {
        AppearanceSheet& sheet = open(c.command);
        EXPECT_EQ(sheet.windowTitle(), c.title);
        EXPECT_EQ(find<QPushButton>(&sheet, "closeButton")->text(), c.closeText);
        auto* tabs = sheet.findChild<QTabWidget*>(QStringLiteral("pages"));
        EXPECT_EQ(tabs ? tabs->count() : 0, c.tabs) << c.title;
        EXPECT_EQ(sheet.currentPage(), c.shownPage);
        EXPECT_EQ(find<QLabel>(&sheet, "statusLine")->text(), c.status);
        for (std::size_t k = 0; k < c.firstTabs.size(); ++k)
            EXPECT_EQ(tabs->tabText(static_cast<int>(k)), c.firstTabs[k]);
        module.run(c.command);
        EXPECT_EQ(module.openWindow(c.command), &sheet) << "one window of a kind at a time";
        sheet.reject();
    }
    AppearanceSheet& colors = open(command::kSetColors);
    colors.showPage(4);
    EXPECT_EQ(find<QLabel>(&colors, "statusLine")->text(), "Least Squares Data Point Color");
}

TEST_F(AppearanceTest, CloseLeavesTheLiveSettingsAsTheyWere) {
    struct Case {
        int command;
        std::function<void(AppearanceSheet&)> edit;
    };
    addCurves(1);
    const Case cases[] = {
        {command::kCurveLook, [](AppearanceSheet& s) { click(&s, "axesBoxed"); }},
        {command::kDomainsRange, [](AppearanceSheet& s) { retype(&s, "xMinField", "1"); }},
        {command::kSetColors, [](AppearanceSheet& s) { find<QScrollBar>(s.page(1), "redBar")->setValue(3); }},
        {command::kOpenProfile, [](AppearanceSheet& s) { click(&s, "resetButton"); }},
    };
    settings.axesType = 0;
    settings.modified = false;
    const GraphSettings before = settings;
    for (const Case& c : cases) {
        AppearanceSheet& sheet = open(c.command);
        c.edit(sheet);
        click(&sheet, "closeButton");
        EXPECT_FALSE(sheet.isVisible());
        EXPECT_EQ(settings, before) << c.command;
    }
    EXPECT_EQ(frame.settingsChanges, 0);
}

TEST_F(AppearanceTest, ThicknessThreeForAllCurvesMakesEveryCurveSolid) {
    addCurves(2);
    settings.lineStyles = {1, 2, 3};
    settings.allStyles = false;
    AppearanceSheet& sheet = open(command::kCurveLook);
    find<QSlider>(&sheet, "thicknessSlider")->setValue(3);
    EXPECT_EQ(find<QLineEdit>(&sheet, "thicknessField")->text(), "3");
    EXPECT_TRUE(find<QCheckBox>(&sheet, "styleAll")->isChecked());
    EXPECT_TRUE(find<QRadioButton>(&sheet, "styleSolid")->isChecked());
    EXPECT_FALSE(find<QRadioButton>(&sheet, "styleDash")->isEnabled());
    EXPECT_EQ(settings.lineStyles, (std::vector<std::int32_t>{1, 2, 3})) << "nothing live before Apply";

    click(&sheet, "applyButton");
    EXPECT_EQ(settings.lineStyles, (std::vector<std::int32_t>{0, 0, 0}));
    EXPECT_EQ(frame.settingsChanges, 1);
    EXPECT_TRUE(sheet.isVisible()) << "Apply keeps the dialog open";

    find<QSlider>(&sheet, "thicknessSlider")->setValue(1);
    EXPECT_TRUE(find<QRadioButton>(&sheet, "styleDash")->isEnabled());
}

TEST_F(AppearanceTest, PointsFieldTakesOnlyCountsFromTwoTo500) {
    struct Case {
        const char* typed;
        int count;
    };
    for (const Case c : {Case{"250", 250}, Case{"2", 2}, Case{"1", 500}, Case{"501", 500}, Case{"abc", 500},
                         Case{" 42x", 42}}) {
        settings.pointCounts.assign(10, 500);
        AppearanceSheet& sheet = open(command::kCurveLook);
        retype(&sheet, "pointsField", QString::fromLatin1(c.typed));
        EXPECT_EQ(find<QScrollBar>(&sheet, "pointsBar")->value(), c.count) << c.typed;
        click(&sheet, "okButton");
        EXPECT_FALSE(sheet.isVisible());
        EXPECT_EQ(settings.pointCount(0), c.count) << c.typed;
        EXPECT_EQ(settings.pointCount(5), c.count) << "All Curves is checked";
    }
}

TEST_F(AppearanceTest, CurveLookLabelAndSelectorFollowTheCurves) {
    type("3sinx");
    AppearanceSheet& single = open(command::kCurveLook);
    auto* selector = find<QWidget>(&single, "curveSelector");
    EXPECT_FALSE(selector->isEnabled()) << "nothing to select with one curve";
    EXPECT_EQ(find<QLabel>(&single, "curveLabel")->text(), "3sinx") << "one curve shows its expression";
    single.reject();

    addCurves(1, "2x");
    settings.allPoints = settings.allThickness = settings.allStyles = true;
    settings.pointCounts = {100, 200};
    AppearanceSheet& sheet = open(command::kCurveLook);
    EXPECT_EQ(find<QLabel>(&sheet, "curveLabel")->text(), "Same Options for all curves");
    click(&sheet, "pointsAll");
    EXPECT_EQ(find<QLabel>(&sheet, "curveLabel")->text(), "2x");
    EXPECT_EQ(find<QLineEdit>(&sheet, "pointsField")->text(), "200") << "the current curve is selected";
    // Another curve selected brings its own options.
    find<QScrollBar>(&sheet, "curveBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(find<QLabel>(&sheet, "curveNumber")->text(), "1");
    EXPECT_EQ(find<QLineEdit>(&sheet, "pointsField")->text(), "100");
    EXPECT_EQ(find<QLabel>(&sheet, "curveLabel")->text(), "3sinx");
}

TEST_F(AppearanceTest, IdenticalDomainsOfTwoCurvesMoveBothAndTheRange) {
    addCurves(1);
    settings.limits = {{-5, 5, -5, 5}, {-1, 1, -5, 5}};
    settings.allLimits = false;
    AppearanceSheet& sheet = open(command::kDomainsRange);
    EXPECT_EQ(find<QLineEdit>(&sheet, "xMinField")->text(), "-1.0") << "printed as the graph's labels";
    EXPECT_EQ(find<QLabel>(&sheet, "curveLabel")->text(), "x");
    retype(&sheet, "xMinField", "0");
    retype(&sheet, "xMaxField", "10");
    click(&sheet, "allLimitsBox");
    EXPECT_EQ(find<QLabel>(&sheet, "curveLabel")->text(), "Same Limits for all curves");
    find<QScrollBar>(&sheet, "curveBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(find<QLineEdit>(&sheet, "xMaxField")->text(), "10.0") << "checking the box gave curve 1 the same";
    click(&sheet, "okButton");
    EXPECT_FALSE(sheet.isVisible());
    const CurveLimits expected{0, 10, -5, 5};
    EXPECT_EQ(view.curves().at(1).limits, expected);
    EXPECT_EQ(settings.limits, std::vector<CurveLimits>(2, expected));
    EXPECT_EQ(frame.settingsChanges, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AppearanceTest, RefusedLimitsKeepTheDialogOpenAndChangeNothingLive) {
    struct Case {
        const char* xMin;
        const char* xMax;
        const char* caption;
        const char* xMinAfter;
        bool boxAfter;
    };
    struct Trigger {
        const char* name;
        std::function<void(AppearanceSheet&)> act;
    };
    // The bounds put back are the last accepted ones, not the refused ones
    // the fields held while they were typed.
    const Case cases[] = {{"abc", "5", "Improper Limits", "-5.000000", true},
                          {"2", "2", "INVALID SCALING PARAMETERS", "-5.000000", false}};
    const Trigger triggers[] = {
        {"OK", [](AppearanceSheet& s) { click(&s, "okButton"); }},
        {"Apply", [](AppearanceSheet& s) { click(&s, "applyButton"); }},
        {"selector", [](AppearanceSheet& s) {
             find<QScrollBar>(&s, "curveBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
         }},
    };
    addCurves(1);
    const std::vector<CurveLimits> before = settings.limits;
    for (const Case& c : cases) {
        for (const Trigger& t : triggers) {
            messages.shown.clear();
            AppearanceSheet& sheet = open(command::kDomainsRange);
            retype(&sheet, "xMinField", QString::fromLatin1(c.xMin));
            retype(&sheet, "xMaxField", QString::fromLatin1(c.xMax));
            t.act(sheet);
            ASSERT_EQ(messages.captions(), std::vector<std::string>{c.caption}) << t.name;
            EXPECT_TRUE(sheet.isVisible()) << t.name;
            EXPECT_EQ(find<QLineEdit>(&sheet, "xMinField")->text(), c.xMinAfter) << t.name;
            EXPECT_EQ(find<QCheckBox>(&sheet, "allLimitsBox")->isChecked(), c.boxAfter) << t.name;
            EXPECT_EQ(find<QLabel>(&sheet, "curveNumber")->text(), "2") << "the selection stays";
            EXPECT_EQ(settings.limits, before);
            EXPECT_EQ(frame.settingsChanges, 0);
            sheet.reject();
        }
    }
    EXPECT_EQ(messages.shown.back().text,
              "xMax and yMax must be > than xMin and yMin respectively. The domain and/or range has been reset.");
}

TEST_F(AppearanceTest, EachColourPageStoresItsOwnKind) {
    struct Case {
        int page;
        ColorKind kind;
    };
    const Case cases[] = {{0, ColorKind::Curve},          {1, ColorKind::Background},
                          {2, ColorKind::Axes},           {3, ColorKind::Label},
                          {4, ColorKind::OriginalPoints}, {5, ColorKind::Statistics}};
    for (const Case& c : cases) {
        GraphSettings before = settings;
        AppearanceSheet& sheet = open(command::kSetColors);
        sheet.showPage(c.page);
        QWidget* picker = page(sheet, c.page);
        find<QScrollBar>(picker, "redBar")->triggerAction(QAbstractSlider::SliderToMinimum);
        find<QScrollBar>(picker, "greenBar")->setValue(77);
        find<QScrollBar>(picker, "blueBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(find<QLineEdit>(picker, "greenValue")->text(), "77");
        const ColorRef picked = makeRgb(0, 77, std::min(255, blueOf(before.color(c.kind, 0)) + 16));
        EXPECT_EQ(sheet.grab().toImage().pixelColor(find<QWidget>(picker, "sample")->mapTo(&sheet, QPoint(10, 10))),
                  toQColor(picked));
        click(&sheet, "okButton");
        EXPECT_EQ(settings.color(c.kind, 0), picked) << static_cast<int>(c.kind);
        before.setColor(c.kind, 0, picked);
        before.modified = true;
        EXPECT_EQ(settings, before) << "only kind " << static_cast<int>(c.kind) << " changed";
    }
}

TEST_F(AppearanceTest, PerCurvePickersReachEveryCurveAndMoreOffersTheDesktopDialog) {
    addCurves(10);
    AppearanceSheet& sheet = open(command::kSetColors);
    QWidget* picker = page(sheet, 0);
    EXPECT_EQ(find<QLabel>(picker, "curveNumber")->text(), "11") << "the current curve";
    EXPECT_EQ(find<QLineEdit>(picker, "redValue")->text(), "155") << "the eleventh curve is (155, 0, 155)";
    EXPECT_EQ(find<QLineEdit>(picker, "greenValue")->text(), "0");
    EXPECT_EQ(find<QLineEdit>(picker, "blueValue")->text(), "155");
    find<QScrollBar>(picker, "curveBar")->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(find<QLabel>(picker, "curveNumber")->text(), "1");

    dialogs.colors = {makeRgb(12, 34, 56), std::nullopt};
    click(picker, "moreButton");
    EXPECT_EQ(find<QLineEdit>(picker, "blueValue")->text(), "56");
    click(picker, "moreButton");  // cancelled: the colour stays
    EXPECT_EQ(find<QLineEdit>(picker, "redValue")->text(), "12");
    click(&sheet, "applyButton");
    EXPECT_EQ(settings.curveColor(0), makeRgb(12, 34, 56));
    EXPECT_EQ(settings.curveColor(10), makeRgb(155, 0, 155));
}

TEST_F(AppearanceTest, AppliedColoursAndBoxedAxesReachThePicture) {
    type("3sinx");
    widget.sketch();
    AppearanceSheet& colors = open(command::kSetColors);
    find<QScrollBar>(page(colors, 1), "redBar")->setValue(0);  // background (0, 255, 255)
    find<QScrollBar>(page(colors, 0), "blueBar")->setValue(0);  // curve (155, 0, 0)
    click(&colors, "okButton");
    AppearanceSheet& look = open(command::kCurveLook);
    click(&look, "axesBoxed");
    click(&look, "okButton");

    const QImage image = shot();
    const QColor paper(0, 255, 255);
    EXPECT_EQ(image.pixelColor(250, 370), paper) << "between grid lines, away from the curve";
    EXPECT_GT(countInked(image, QRect(0, 0, 440, 440), QColor(155, 0, 0), paper), 300) << "the curve's new colour";
    // Boxed axes frame the area 20 pixels in; Cartesian axes never reach there.
    EXPECT_TRUE(inked(image, 20, 120, toQColor(settings.axesColor), paper));
}

// Which values a profile keeps is the profile tests' part; here, the buttons.
TEST_F(AppearanceTest, ProfileSavedFromTheSheetLoadsTheSameInANewRun) {
    settings.axesType = 2;
    settings.calculatorProportion = 0.3;
    AppearanceSheet& sheet = open(command::kOpenProfile);
    retype(&sheet, "nameEdit", "Lab");
    click(&sheet, "saveButton");
    EXPECT_TRUE(store.keyExists("Quorvane Users\\lab"));
    EXPECT_EQ(find<QListWidget>(&sheet, "profileList")->currentItem()->text(), "lab");
    sheet.reject();

    GraphSettings nextRun;
    GraphView nextView(nextRun);
    GraphWidget nextWidget(nextView);
    RecordingFrame nextFrame = redrawingFrame(nextWidget);
    AppearanceDialogs nextModule(nextView, store, messages, dialogs, nextFrame);
    nextModule.run(command::kOpenProfile);
    AppearanceSheet& next = *nextModule.openWindow(command::kOpenProfile);
    retype(&next, "nameEdit", "LAB");
    click(&next, "loadButton");
    EXPECT_EQ(nextRun.axesType, 1) << "a load changes the working copy only";
    click(&next, "okButton");
    EXPECT_EQ(nextRun.axesType, 2);
    EXPECT_DOUBLE_EQ(nextRun.calculatorProportion, 0.3) << "an untouched trackbar keeps the exact share";
    EXPECT_EQ(nextFrame.settingsChanges, 1);
    EXPECT_TRUE(messages.shown.empty());

    AppearanceSheet& again = open(command::kOpenProfile);
    retype(&again, "nameEdit", "lab");
    click(&again, "deleteButton");
    EXPECT_FALSE(store.keyExists("Quorvane Users\\lab"));
}

TEST_F(AppearanceTest, DarkLookIsPickedFromItsOwnListAndApplied) {
    AppearanceSheet& sheet = open(command::kOpenProfile);
    auto* builtIns = find<QListWidget>(&sheet, "builtInList");
    ASSERT_EQ(builtIns->count(), 1);
    builtIns->setCurrentRow(0);
    EXPECT_EQ(find<QLineEdit>(&sheet, "nameEdit")->text(), "Dark");
    click(&sheet, "loadButton");
    click(&sheet, "okButton");
    EXPECT_TRUE(messages.shown.empty());
    // The picture follows: the background is dark.
    const QImage image = widget.picture(200, 200);
    EXPECT_EQ(QColor(image.pixel(100, 5)), QColor(0x1E, 0x22, 0x28));
}

TEST_F(AppearanceTest, ResetBecomesLiveWhenTheProfilesPageIsLeft) {
    settings.toolTips = false;
    settings.splitScreen = false;
    settings.calculatorProportion = 0.3;
    settings.axesType = 0;
    AppearanceSheet& sheet = open(command::kOpenProfile);
    click(&sheet, "resetButton");
    EXPECT_EQ(settings.axesType, 0);
    sheet.showPage(9);
    EXPECT_EQ(settings.axesType, 1);
    EXPECT_TRUE(settings.toolTips);
    EXPECT_TRUE(settings.splitScreen);
    EXPECT_DOUBLE_EQ(settings.calculatorProportion, 0.495);
    EXPECT_EQ(frame.menuStates, std::vector<int>{7});
    EXPECT_EQ(find<QSlider>(page(sheet, 9), "proportionSlider")->value(), 10);
    EXPECT_TRUE(find<QRadioButton>(page(sheet, 9), "tipsShow")->isChecked()) << "the pages show the defaults";
}

// Tips and full screen reaching the frame are the main window's test.
TEST_F(AppearanceTest, WindowSizesPageStoresTheShareAndHidesItForFullScreen) {
    AppearanceSheet& sheet = open(command::kOpenProfile);
    sheet.showPage(9);
    QWidget* sizes = page(sheet, 9);
    find<QSlider>(sizes, "proportionSlider")->setValue(19);
    click(&sheet, "applyButton");
    EXPECT_DOUBLE_EQ(settings.calculatorProportion, 0.05);
    EXPECT_TRUE(find<QWidget>(sizes, "proportionGroup")->isVisible());
    click(sizes, "fullScreen");
    EXPECT_FALSE(find<QWidget>(sizes, "proportionGroup")->isVisible());
}

}  // namespace
}  // namespace orrery::testing
