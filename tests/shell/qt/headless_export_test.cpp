#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "common/qt/qt_color.h"
#include "expression/typing.h"
#include "graphing/graph_view.h"
#include "persistence/document_file.h"
#include "shell/qt/headless_export.h"

namespace orrery::testing {
namespace {

int colourDistance(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

struct ExportRun {
    int status;
    std::string err;
};

class HeadlessExportTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string path(const std::string& name) { return (dir.path() + "/").toStdString() + name; }
    ExportRun run(const ExportRequest& request) {
        std::ostringstream err;
        const int status = exportGraph(request, err);
        return {status, err.str()};
    }
    static QColor defaultCurveColour(int i) {
        GraphSettings settings;
        return toQColor(settings.curveColor(i));
    }
};

// Each constant curve is a level line: its row is where the range maps it.
TEST_F(HeadlessExportTest, TypedCurvesLandOnTheRowsOfTheirValues) {
    struct Case {
        std::vector<std::string> curves;
        std::optional<std::array<std::string, 4>> range;
        double value;  // of the last curve
        double yMin, yMax;
    };
    const Case cases[] = {
        {{"2"}, std::nullopt, 2, -5, 5},
        {{"x", "3/2"}, std::array<std::string, 4>{"-5", "5", "0", "4"}, 1.5, 0, 4},
        {{"sinx", "x^2", "-1"}, std::array<std::string, 4>{"0", "1", "-2", "0.5"}, -1, -2, 0.5},
    };
    for (const Case& c : cases) {
        const std::string out = path("level.png");
        const ExportRun r = run({out, 400, 300, c.range, "", c.curves});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const QImage image(QString::fromStdString(out));
        ASSERT_EQ(image.size(), QSize(400, 300));
        const int row = static_cast<int>(20 + 260 * (c.yMax - c.value) / (c.yMax - c.yMin));
        const QColor colour = defaultCurveColour(static_cast<int>(c.curves.size()) - 1);
        // The line's pixels are its colour, lightened a little by smoothing.
        for (const int column : {60, 130, 330}) {  // clear of the y axis at 200
            EXPECT_LT(2 * colourDistance(image.pixelColor(column, row), colour),
                      colourDistance(image.pixelColor(column, row), Qt::white))
                << c.value << " at " << column;
            EXPECT_EQ(image.pixelColor(column, row + 12), QColor(Qt::white)) << c.value;
        }
    }
}

TEST_F(HeadlessExportTest, ADocumentIsDrawnWithItsOwnColoursAndRange) {
    GraphSettings settings;
    GraphView view(settings);
    view.curves().current().tokens = typeText("3").tokens;
    view.applyLimit(0, true, 2, 0.0, "0");
    view.applyLimit(0, true, 3, 6.0, "6");
    settings.setColor(ColorKind::Curve, 0, makeRgb(0, 0, 255));
    settings.setColor(ColorKind::Background, 0, makeRgb(255, 255, 200));
    ASSERT_FALSE(saveDocumentFile(path("level.qpl"), settings, view.document()));

    const ExportRun r = run({path("level.gif"), 300, 200, std::nullopt, path("level.qpl"), {}});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image(QString::fromStdString(path("level.gif")));
    const int row = static_cast<int>(20 + 160 * (6.0 - 3.0) / 6.0);
    EXPECT_LT(colourDistance(image.pixelColor(80, row), QColor(0, 0, 255)), 80);
    EXPECT_EQ(image.pixelColor(80, row + 20), QColor(255, 255, 200));
}

TEST_F(HeadlessExportTest, AnyMessageWritesNothingAndFails) {
    using Range = std::optional<std::array<std::string, 4>>;
    struct Case {
        std::string output, document;
        std::vector<std::string> curves;
        Range range;
        std::string err;  // its start
    };
    const Case cases[] = {
        {"g.png", "", {"x", "3+*"}, {}, "SYNTAX ERROR: Curve# 2: "},
        {"g.png", "", {"2qz"}, {}, "ERROR: TYPO: 'q' does not match"},
        {"g.png", "", {"", "x"}, {}, "NOT SO FAST!: "},
        {"g.jpg", "", {"x"}, {}, "File Type Error: Only files with extensions"},
        {"g.png", "", {"x"}, Range{{"1", "-1", "0", "1"}}, "INVALID SCALING PARAMETERS: "},
        {"g.png", path("none.qpl"), {}, {}, "FILE ERROR: Cannot draw the graph from the file "},
        {"g.png", path("photo.png"), {}, {}, "File Type Error: This program does not open files with extension: png"},
        {"no/g.png", "", {"x"}, {}, "Orrery_742: Could not save the file: "},
    };
    for (const Case& c : cases) {
        const ExportRun r = run({path(c.output), 200, 100, c.range, c.document, c.curves});
        EXPECT_EQ(r.status, 1) << c.err;
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
        EXPECT_TRUE(std::filesystem::is_empty(dir.path().toStdString())) << c.err;
    }
}

}  // namespace
}  // namespace orrery::testing
