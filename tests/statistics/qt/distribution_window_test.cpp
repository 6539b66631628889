#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "shell/command_ids.h"
#include "statistics/picture_items.h"
#include "statistics/qt/picture_painter.h"
#include "statistics_fixture.h"

namespace orrery::testing {
namespace {

constexpr ColorRef kYellow = makeRgb(255, 255, 0);
constexpr ColorRef kWhite = makeRgb(255, 255, 255);

void typeInto(QLineEdit* box, const char* text) {
    box->setText(QString::fromLatin1(text));
}

// The model's picture for what the window shows, measured on the same kind
// of surface, so the pixel checks look where the model put things.
DistributionPicture modelOf(const DistributionWindow& window, const DistributionSet& set,
                            const QImage& image, const StatisticsColors& colors) {
    QImage surface = image;
    const PictureFrame frame =
        measurePictureFrame(&surface, window.kind(), image.width(), image.height());
    return drawDistribution(set.drawn(window.kind()), frame, colors);
}

// The tallest point of a polygon's curve within [from, to] pixels.
PicturePoint tallestBetween(const PicturePolygon& polygon, double from, double to) {
    PicturePoint best{0, 1e9};
    for (std::size_t i = 1; i + 1 < polygon.points.size(); ++i) {
        const PicturePoint p = polygon.points[i];
        if (p.x >= from && p.x <= to && p.y < best.y) best = p;
    }
    return best;
}

// Each window painted with a yellow fill: the axes, the filled density, the
// hatch and the arrow heads are where the model puts them, and the poles of
// chi-square(1) and F(1, 5) are simply left out.
TEST_F(StatisticsTest, EachWindowPaintsTheModelsPicture) {
    settings.setColor(ColorKind::Background, 0, kYellow);
    const StatisticsColors colors{settings.color(ColorKind::Axes), kYellow,
                                  settings.color(ColorKind::Label),
                                  settings.color(ColorKind::Statistics)};
    struct Case {
        DistributionKind kind;
        std::function<void(DistributionSet&)> prepare;
        double lower, upper;
    };
    const Case cases[] = {
        {DistributionKind::Normal, {}, -1, 1},
        {DistributionKind::T, [](DistributionSet& s) { s.t.setDegreesOfFreedom(1); }, 2, 30},
        {DistributionKind::ChiSquare, [](DistributionSet& s) { s.chiSquare.setDegreesOfFreedom(1); },
         4, 6},
        {DistributionKind::F, [](DistributionSet& s) { s.f.setD1(1); s.f.setD2(5); }, 2, 5},
    };
    constexpr int axisY = 225;
    for (const Case& c : cases) {
        SCOPED_TRACE(distributionTitle(c.kind));
        if (c.prepare) c.prepare(distributions);
        double lo = c.lower, hi = c.upper;
        const_cast<Distribution*>(distributions.drawn(c.kind).distribution)->setLimits(lo, hi);
        auto window = openWindow(c.kind);
        const QImage image = window->client()->grab().toImage();
        ASSERT_EQ(image.size(), QSize(700, 450));
        const DistributionPicture model = modelOf(*window, distributions, image, colors);
        const PictureLine axis = itemsOf<PictureLine>(model).front();
        const int left = int(axis.points[0].x), right = int(axis.points[1].x);
        const std::vector<PicturePolygon> polygons = itemsOf<PicturePolygon>(model);
        const PicturePolygon& density = polygons[0];
        const PicturePolygon& hatch = polygons[2];
        ASSERT_EQ(hatch.style, PictureFill::BackDiagonalHatch);

        // The x axis away from any tick, and the dark blue outline of its arrow.
        EXPECT_EQ(colorDistance(image.pixel((left + right) / 2 + 3, axisY), colors.axes), 0);
        EXPECT_GT(countColor(image, QRect(right - 2, axisY - 8, 14, 17), kArrowOutline), 0);

        // Half-way up the density outside the hatch: the fill colour.
        const double hatchLeft = hatch.points.front().x, hatchRight = hatch.points.back().x;
        PicturePoint outside = tallestBetween(density, hatchRight + 3, right);
        if (axisY - outside.y < 8) outside = tallestBetween(density, left, hatchLeft - 3);
        ASSERT_GT(axisY - outside.y, 8);
        EXPECT_EQ(
            colorDistance(image.pixel(int(outside.x), int((axisY + std::max(outside.y, 0.0)) / 2)),
                          kYellow),
            0);

        // Inside the hatch: yellow lines on white.
        const PicturePoint inside = tallestBetween(hatch, hatchLeft + 4, hatchRight - 4);
        const QRect patch(int(inside.x) - 4, int((axisY + std::max(inside.y, 0.0)) / 2) - 4, 9, 9);
        EXPECT_GT(countColor(image, patch, kWhite), 0);
        EXPECT_GT(countColor(image, patch, kYellow), 0);

        // Nothing of the density below the axis.
        EXPECT_EQ(countColor(image, QRect(left, axisY + 1, right - left, 3), kYellow), 0);
    }
}

// Typed limits through the boxes and the Calculate button: the Probability
// box with its full value as a tooltip, swapped boxes, the status line.
TEST_F(StatisticsTest, CalculateShowsKnownNumbersThroughTheWindow) {
    struct Case {
        DistributionKind kind;
        std::vector<const char*> boxes;
        std::vector<const char*> boxesAfter;
        const char* probability;
        const char* fullValue;
        const char* status;
    };
    const Case cases[] = {
        {DistributionKind::Normal, {"-1.96", "1.96"}, {"-1.96", "1.96"}, "0.950004",
         "0.9500042097035",
         "Standard normal distribution: P(\u22121.96 \u2264 Z \u2264 1.96) = 0.950004"},
        {DistributionKind::ChiSquare, {"5", "2", "1"}, {"2", "5", "1"}, "0.131952",
         "0.1319518883728",
         "Chi-square distribution, 1 degree of freedom: P(2 \u2264 \u03c7\u00b2 \u2264 5) = "
         "0.131952"},
        // Read as "%lf" and "%d" read them: the number at the start.
        {DistributionKind::T, {" 2e0x", "-1", "5.7"}, {"-1", " 2e0x", "5.7"}, "0.767422",
         "0.76742152676",
         "t distribution, 5 degrees of freedom: P(\u22121 \u2264 t \u2264 2) = 0.767422"},
        {DistributionKind::F, {"3", "0", "2", "5"}, {"0", "3", "2", "5"}, "0.860703",
         "0.86070250775",
         "F distribution, 2 and 5 degrees of freedom: P(0 \u2264 F \u2264 3) = 0.860703"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(distributionTitle(c.kind));
        auto window = openWindow(c.kind);
        for (std::size_t i = 0; i < c.boxes.size(); ++i) typeInto(window->box(int(i)), c.boxes[i]);
        QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
        EXPECT_TRUE(messages.shown.empty());
        for (std::size_t i = 0; i < c.boxes.size(); ++i)
            EXPECT_EQ(window->box(int(i))->text().toStdString(), c.boxesAfter[i]);
        EXPECT_EQ(window->probabilityBox()->text().toStdString(), c.probability);
        EXPECT_TRUE(
            window->probabilityBox()->toolTip().startsWith(QString::fromLatin1(c.fullValue)))
            << window->probabilityBox()->toolTip().toStdString();
        EXPECT_EQ(window->statusLine().toStdString(), c.status);
    }
}

// A refused input shows its message once, even where two boxes are wrong,
// and leaves the boxes, the Probability box and the drawing as they were.
TEST_F(StatisticsTest, InputErrorsLeaveThePreviousDrawingAndTexts) {
    auto window = openWindow(DistributionKind::F);
    const char* const good[] = {"1", "2", "3", "4"};
    const char* const bad[] = {"1", "2", "90", "0"};
    for (int i = 0; i < 4; ++i) typeInto(window->box(i), good[i]);
    window->calculate();
    const QString probability = window->probabilityBox()->text();
    const QImage before = window->picture();
    for (int i = 0; i < 4; ++i) typeInto(window->box(i), bad[i]);
    window->calculate();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (UserMessage{"OUT OF BOUNDS",
                           "Calculation not accurate if the degrees of freedom #1 exceed 80.\n"
                           "The degrees of freedom #2 must be >= 1\n"}));
    EXPECT_EQ(window->probabilityBox()->text(), probability);
    EXPECT_EQ(window->picture(), before);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(window->box(i)->text().toStdString(), bad[i]);
}

// Tab, arrows and Shift move the focus round the input controls, Enter
// calculates, Escape closes.
TEST_F(StatisticsTest, KeysMoveTheFocusCalculateAndClose) {
    auto window = openWindow(DistributionKind::F);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const std::vector<QWidget*>& inputs = window->inputs();
    ASSERT_EQ(inputs.size(), 5u);
    EXPECT_EQ(QApplication::focusWidget(), inputs[0]);
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::size_t focused;
    };
    const Step steps[] = {
        {Qt::Key_Tab, Qt::NoModifier, 1},      {Qt::Key_Down, Qt::NoModifier, 2},
        {Qt::Key_Right, Qt::NoModifier, 3},    {Qt::Key_Tab, Qt::NoModifier, 4},
        {Qt::Key_Tab, Qt::NoModifier, 0},      {Qt::Key_Backtab, Qt::ShiftModifier, 4},
        {Qt::Key_Up, Qt::NoModifier, 3},       {Qt::Key_Left, Qt::ShiftModifier, 4},
        {Qt::Key_Right, Qt::ShiftModifier, 3}, {Qt::Key_Left, Qt::NoModifier, 2},
    };
    for (const Step& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
        EXPECT_EQ(QApplication::focusWidget(), inputs[step.focused]) << "key " << step.key;
    }
    typeInto(window->box(0), "1");
    typeInto(window->box(1), "2");
    QTest::keyClick(inputs[2], Qt::Key_Return);
    EXPECT_EQ(window->probabilityBox()->text(), QStringLiteral("0.290123"));
    QTest::keyClick(inputs[2], Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// Print hands the drawing at the page's size to the printing seam, Copy
// puts the window's drawing on the clipboard; a failed print says so.
TEST_F(StatisticsTest, PrintAndCopyUseTheSameDrawing) {
    auto window = openWindow(DistributionKind::Normal);
    const ColorRef axes = settings.color(ColorKind::Axes);
    window->runCommand(command::kPrint);
    ASSERT_EQ(dialogs.printedPages.size(), 1u);
    EXPECT_EQ(dialogs.printTitles[0], "Normal Distribution");
    const QImage& page = dialogs.printedPages[0];
    // The page is 850 x 1100: the x axis at half its height, the y axis at half its width.
    EXPECT_EQ(colorDistance(page.pixel(600, 550), axes), 0);
    EXPECT_EQ(colorDistance(page.pixel(425, 200), axes), 0);

    window->runCommand(command::kCopyGraph);
    EXPECT_EQ(dialogs.clipboardPicture.size(), QSize(700, 450));
    EXPECT_EQ(dialogs.clipboardPicture, window->picture());
    EXPECT_EQ(colorDistance(dialogs.clipboardPicture.pixel(600, 225), axes), 0);

    dialogs.printOutcome = PrintOutcome::Failed;
    window->runCommand(command::kPrint);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (UserMessage{"PRINTER ERROR",
                           "Please check that the printer is on and properly connected."}));
}

// The right-click menus, and the commands that belong to the main window.
TEST_F(StatisticsTest, ContextMenusAndForeignCommandsGoToTheMainWindow) {
    auto chiSquare = openWindow(DistributionKind::ChiSquare);
    EXPECT_EQ(chiSquare->contextMenuEntries(),
              (std::vector<MenuEntry>{{command::kRestoreDefaults, "&Restore Defaults", true},
                                      {command::kSetColors, "Set Colors", true}}));
    auto t = openWindow(DistributionKind::T);
    EXPECT_EQ(t->contextMenuEntries(),
              (std::vector<MenuEntry>{
                  {command::kQuickEvaluate, "&Quick Evaluate\tCtrl+Y", true},
                  {command::kReverseZoom, "Reverse &last zoom\tCtrl+U", true},
                  {command::kZoomIn, "Zoom In(Drag Mouse)\tCtrl+Z", true},
                  {command::kZoomOut, "Zoom Out(Dbl-click to center graph)\tCtrl+B", true}}));
    for (int id : {command::kZoomIn, command::kSetColors, command::kRestoreDefaults})
        t->runCommand(id);
    EXPECT_EQ(frame.commands,
              (std::vector<int>{command::kZoomIn, command::kSetColors, command::kRestoreDefaults}));
    t->runCommand(command::kExit);
    EXPECT_FALSE(t->isVisible());
}

}  // namespace
}  // namespace orrery::testing
