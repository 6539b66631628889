#include <QProgressBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <filesystem>
#include <fstream>
#include <memory>

#include "common/qt/qt_color.h"
#include "fitting/qt/fitting_dialog.h"
#include "fitting/xlsx_fixture.h"
#include "shell/command_ids.h"
#include "shell/qt/frame_menus.h"
#include "shell/qt/main_frame_fixture.h"

namespace orrery {
namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(ORRERY_TEST_DATA_DIR) + "/../data/";

class FittingDialogTest : public testing::MainFrameTest {
protected:
    FittingMemory memory;
    std::unique_ptr<FittingDialog> dialog;

    static std::string xlsxPath() {
        static const std::string path = [] {
            const fs::path folder = fs::path(::testing::TempDir()) / "fitting_qt";
            fs::create_directories(folder);
            return test::writeXlsxFixture(folder.string());
        }();
        return path;
    }

    void open(FitModel model) {
        dialog = std::make_unique<FittingDialog>(model, memory, frame->view(), messages, dialogs, *frame);
    }
    QLineEdit* box(const char* name) { return dialog->findChild<QLineEdit*>(name); }
    QString text(const char* name) { return box(name)->text(); }
    void click(const char* name) { QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton); }

    void enter(const std::string& file, const char* sheet, const char* top, const char* bottom,
               const char* degree = "1") {
        box("fileEdit")->setText(QString::fromStdString(file));
        box("sheetEdit")->setText(sheet);
        box("topLeftColumnEdit")->setText(QString(top).left(1));
        box("topLeftRowEdit")->setText(QString(top).mid(1));
        box("bottomRightColumnEdit")->setText(QString(bottom).left(1));
        box("bottomRightRowEdit")->setText(QString(bottom).mid(1));
        if (QLineEdit* d = box("degreeEdit")) d->setText(degree);
    }

    // The graph pixel of a point in the current graph range.
    QPoint pixelOf(double x, double y) {
        const CurveLimits& r = frame->view().range();
        const QSize size = frame->graph().size();
        return QPoint(static_cast<int>(20 + (size.width() - 40) * (x - r.xMin) / (r.xMax - r.xMin)),
                      static_cast<int>(20 + (size.height() - 40) * (r.yMax - y) / (r.yMax - r.yMin)));
    }
    // A thin smoothed line tints the pixels it crosses: one pixel next to
    // the point must be nearer the line's colour than the white ground.
    static bool colourNear(const QImage& image, QPoint at, ColorRef colour) {
        const QColor want = toQColor(colour);
        auto distance = [](const QColor& a, const QColor& b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        };
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QColor seen = image.pixelColor(at + QPoint(dx, dy));
                if (distance(seen, want) < distance(seen, Qt::white)) return true;
            }
        return false;
    }
};

// The reading and the fits are proven in the core tests; here, that the
// boxes reach them and the results and the progress bar come back.
TEST_F(FittingDialogTest, CalculateShowsTheFit) {
    struct Case {
        FitModel model;
        std::string file;
        const char* sheet;
        const char* top;
        const char* bottom;
        const char* degree;
        const char* points;
        const char* equation;
        const char* error;
    };
    const Case cases[] = {
        {FitModel::Polynomial, kData + "points.csv", "Sheet1", "A2", "B6", "1", "5", "y=2.000000x-1.000000",
         "0.000000"},
        {FitModel::Exponential, xlsxPath(), "Second", "A1", "B3", "", "3", "y = ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + " " + c.sheet);
        messages.shown.clear();
        open(c.model);
        enter(c.file, c.sheet, c.top, c.bottom, c.degree);
        QSignalSpy progress(dialog->findChild<QProgressBar*>("importProgress"), &QProgressBar::valueChanged);
        click("calculateButton");
        EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
        // The bar follows the reading up to its end.
        ASSERT_FALSE(progress.isEmpty());
        EXPECT_EQ(progress.last().at(0).toInt(), 100);
        EXPECT_EQ(text("pointsEdit"), c.points);
        EXPECT_TRUE(text("equationEdit").startsWith(c.equation)) << text("equationEdit").toStdString();
        EXPECT_TRUE(text("errorEdit").startsWith(c.error)) << text("errorEdit").toStdString();
        EXPECT_FALSE(dialog->findChild<QWidget*>("importProgress")->isVisible());
    }
}

TEST_F(FittingDialogTest, SketchDrawsTheCurveThroughTheDataWithItsPoints) {
    const ColorRef chosen = makeRgb(10, 200, 30);
    dialogs.colors.push_back(chosen);
    // The fit goes into a new curve; the name being typed stays in this one.
    frame->typeCharacters(U"3sin");
    open(FitModel::Polynomial);
    enter(xlsxPath(), "Sheet1", "A2", "B6");
    click("colorButton");
    EXPECT_EQ(dialog->pointColor(), chosen);
    click("sketchButton");
    ASSERT_TRUE(messages.shown.empty()) << messages.shown.front().text;
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    GraphView& view = frame->view();
    ASSERT_EQ(view.curves().count(), 2);
    EXPECT_EQ(view.curves().currentIndex(), 1);
    EXPECT_EQ(view.curves().at(0).tokens.size(), 2u);
    const Curve& fitted = view.curves().at(1);
    EXPECT_EQ(fitted.originalPoints.size(), 5u);
    EXPECT_EQ(view.settings().originalPointColor(1), chosen);
    EXPECT_EQ(view.range(), (CurveLimits{1, 5, 1, 9}));
    EXPECT_TRUE(frame->menus().isEnabled(command::kSave));
    EXPECT_TRUE(frame->menus().isEnabled(command::kZoomIn));

    QApplication::processEvents();
    const QImage image = graphImage();
    for (int x = 1; x <= 5; ++x)
        EXPECT_EQ(fromQColor(image.pixelColor(pixelOf(x, 2 * x - 1))), chosen) << "data point " << x;
    const ColorRef line = view.settings().curveColor(1);
    for (double x : {1.5, 2.5, 3.5, 4.5}) EXPECT_TRUE(colourNear(image, pixelOf(x, 2 * x - 1), line)) << x;

    // Reopening shows the same entries.
    open(FitModel::Polynomial);
    EXPECT_EQ(text("fileEdit").toStdString(), xlsxPath());
    EXPECT_EQ(text("topLeftRowEdit"), "2");
    EXPECT_EQ(text("bottomRightRowEdit"), "6");
}

TEST_F(FittingDialogTest, ALevelLineGetsRoomAboveAndBelow) {
    const fs::path csv = fs::path(::testing::TempDir()) / "fitting_qt_level.csv";
    std::ofstream(csv) << "1,4\n2,4\n3,4\n";
    open(FitModel::Polynomial);
    enter(csv.string(), "Sheet1", "A1", "B3");
    click("sketchButton");
    ASSERT_TRUE(messages.shown.empty()) << messages.shown.front().text;
    EXPECT_EQ(frame->view().range(), (CurveLimits{1, 3, 0, 8}));
    QApplication::processEvents();
    const QImage image = graphImage();
    const ColorRef points = frame->view().settings().originalPointColor(0);
    for (int x = 1; x <= 3; ++x) EXPECT_EQ(fromQColor(image.pixelColor(pixelOf(x, 4))), points) << x;
}

TEST_F(FittingDialogTest, ARefusalKeepsTheFitAndDrawsNothing) {
    open(FitModel::Exponential);
    enter(kData + "points.csv", "Sheet1", "A2", "B6");
    click("calculateButton");
    const std::string equation = memory.fit.equationText();
    // Row 7 has no y: it reads as 0, which an exponential cannot fit.
    enter(kData + "points.csv", "Sheet1", "A2", "B7");
    click("sketchButton");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (UserMessage{"INPUT ERROR", "For exponential curve fitting, all Y-values must be non-negative numbers."}));
    EXPECT_EQ(text("pointsEdit"), "5");
    EXPECT_EQ(memory.fit.equationText(), equation);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(frame->view().curves().count(), 1);
    EXPECT_TRUE(frame->view().curves().current().tokens.empty());
}

TEST_F(FittingDialogTest, TheFittingAndUtilityItemsAreNoLongerGreyed) {
    for (int id : {command::kPolynomialFit, command::kExponentialFit, command::kConversions,
                   command::kCompoundInterest})
        EXPECT_TRUE(frame->menus().isEnabled(id)) << id;
}

TEST_F(FittingDialogTest, DegreeArrowsBrowseAndColourCancel) {
    open(FitModel::Polynomial);
    QScrollBar* arrows = dialog->findChild<QScrollBar*>("degreeScroll");
    arrows->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // down
    EXPECT_EQ(text("degreeEdit"), "1");
    arrows->triggerAction(QAbstractSlider::SliderSingleStepSub);  // up
    arrows->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(text("degreeEdit"), "3");
    EXPECT_EQ(text("equationEdit"), "y = ax^3+bx^2+cx+d");

    dialogs.paths.push_back(kData + "points.ods");
    click("browseButton");
    EXPECT_EQ(text("fileEdit").toStdString(), kData + "points.ods");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].filter, "Spreadsheets (*.xlsx *.ods *.csv *.xls);;All files (*)");
    click("browseButton");  // cancelled: the box keeps its path
    EXPECT_EQ(text("fileEdit").toStdString(), kData + "points.ods");

    const ColorRef before = dialog->pointColor();
    EXPECT_EQ(before, frame->view().settings().originalPointColor(0));
    click("colorButton");  // cancelled
    EXPECT_EQ(dialog->pointColor(), before);
}

}  // namespace
}  // namespace orrery
