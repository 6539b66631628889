#include <QImageReader>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <filesystem>

#include <gtest/gtest.h>

#include "common/qt/qt_color.h"
#include "main_frame_fixture.h"
#include "shell/command_ids.h"
#include "shell/qt/frame_menus.h"
#include "shell/qt/calculator_face.h"
#include "shell/qt/value_display.h"
#include "support/pdf_pages.h"

namespace orrery::testing {
namespace {

// The pixel of 3 sin x at its peak (sample 328 of 500, x = 1.573) in a
// width x height picture of the default range: where the graph maps it.
QPoint sinePeak(int width, int height) {
    const double x = -5.0 + 328 * 10.0 / 499;
    return {static_cast<int>(20 + (width - 40) * 328.0 / 499),
            static_cast<int>(20 + (height - 40) * (5.0 - 3 * std::sin(x)) / 10.0)};
}

int colourDistance(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// A pixel of a smooth one-pixel line is the curve's colour, lightened a
// little by the background; it is much nearer the curve than the background.
bool onCurve(const QImage& image, QPoint at, QColor curve) {
    const QColor pixel = image.pixelColor(at);
    return 2 * colourDistance(pixel, curve) < colourDistance(pixel, Qt::white);
}

class GraphOutputTest : public MainFrameTest {
protected:
    QTemporaryDir dir;
    std::string path(const std::string& name) { return (dir.path() + "/").toStdString() + name; }
    QColor curveColour() { return toQColor(frame->settings().curveColor(0)); }
};

TEST_F(GraphOutputTest, EveryBitmapFormatReadsBackAsTheWindowsPictureWithEveryCurve) {
    type("3sinx\r");
    const QSize size = frame->graph().size();
    const QImage window = frame->graph().picture(-1, -1, true);
    const QPoint peak = sinePeak(size.width(), size.height());
    struct Case {
        const char* name;
        const char* format;  // what the reader finds in the bytes
        int tolerance;       // largest channel difference from the window's picture
    };
    for (const Case& c : {Case{"Sine.bmp", "bmp", 0}, Case{"Sine.GIF", "gif", 48}, Case{"Sine.jpeg", "jpeg", 96},
                          Case{"Sine.png", "png", 0}}) {
        dialogs.paths = {path(c.name)};
        EXPECT_EQ(frame->HandleCommand(command::kExport), 0);
        const QString file = QString::fromStdString(path(c.name));
        EXPECT_EQ(QImageReader::imageFormat(file).toStdString(), c.format) << c.name;
        const QImage image(file);
        ASSERT_EQ(image.size(), size) << c.name;
        int worst = 0;
        // The outline's outer half blends with whatever lay under the window's
        // own picture; everything inside it must match.
        for (int y = 1; y + 1 < size.height(); ++y)
            for (int x = 1; x + 1 < size.width(); ++x)
                worst = std::max(worst, colourDistance(image.pixelColor(x, y), window.pixelColor(x, y)));
        EXPECT_LE(worst, c.tolerance) << c.name;
        EXPECT_TRUE(onCurve(image, peak, curveColour())) << c.name;
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialogs.requests.back().title, "Export");
    EXPECT_EQ(frame->windowTitle().toStdString(), "Orrery_742 - Sine.png");
    EXPECT_EQ(frame->menus().recentItems().front().text, "1.  " + path("Sine.png") + "\t(Exported)");
}

TEST_F(GraphOutputTest, VectorFormatsHoldTheCurvesAsPathsAndOnePage) {
    type("3sinx\r");
    dialogs.paths = {path("sine.svg"), path("sine.pdf")};
    frame->HandleCommand(command::kExport);
    frame->HandleCommand(command::kExport);

    // A curve is a long line (hundreds of points) in its colour, which the
    // enclosing group gives.
    QXmlStreamReader svg(QString::fromStdString(readFileBytes(path("sine.svg"))));
    std::vector<QString> strokes{QString()};
    int curvePaths = 0;
    while (!svg.atEnd()) {
        const QXmlStreamReader::TokenType token = svg.readNext();
        if (token == QXmlStreamReader::EndElement && svg.name() == QStringLiteral("g")) strokes.pop_back();
        if (token != QXmlStreamReader::StartElement) continue;
        if (svg.name() == QStringLiteral("g")) {
            const QString stroke = svg.attributes().value("stroke").toString();
            strokes.push_back(stroke.isEmpty() ? strokes.back() : stroke);
        }
        const bool line = svg.name() == QStringLiteral("polyline") || svg.name() == QStringLiteral("path");
        const auto points = svg.attributes().value("points").count(' ') + svg.attributes().value("d").count(' ');
        if (line && strokes.back() == curveColour().name() && points > 100) ++curvePaths;
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_GE(curvePaths, 1);

    const std::string pdf = readFileBytes(path("sine.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(pdfPageCount(pdf), 1u);
}

TEST_F(GraphOutputTest, RefusedOrUnwritableNamesWriteNothingAndKeepTheTitle) {
    type("x\r");
    const std::string title = frame->windowTitle().toStdString();
    struct Case {
        std::string path;
        std::string caption;
        std::string text;
    };
    const Case cases[] = {
        {path("g.jpg"), "File Type Error",
         "Only files with extensions \"bmp\", \"gif\", \"jpeg\", \"png\", \"svg\", \"pdf\" can be exported by Orrery."},
        {path("missing/g.png"), "Orrery_742", "Could not save the file: " + path("missing/g.png")},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        dialogs.paths = {c.path};
        frame->HandleCommand(command::kExport);
        ASSERT_EQ(messages.shown.size(), 1u) << c.path;
        EXPECT_EQ(messages.shown[0].caption, c.caption);
        EXPECT_EQ(messages.shown[0].text, c.text);
        EXPECT_FALSE(std::filesystem::exists(c.path)) << c.path;
    }
    EXPECT_EQ(frame->windowTitle().toStdString(), title);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path().toStdString()));
}

TEST_F(GraphOutputTest, PrintDrawsTheCurvesAtThePageSizeAndReportsAStartFailure) {
    type("3sinx");  // typed, not yet drawn: the printed page shows the curves
    frame->HandleCommand(command::kPrint);
    ASSERT_EQ(dialogs.printedPages.size(), 1u);
    EXPECT_EQ(dialogs.printTitles.front(), frame->windowTitle().toStdString());
    const QImage& page = dialogs.printedPages.front();
    const QPoint peak = sinePeak(page.width(), page.height());
    EXPECT_TRUE(onCurve(page, peak, curveColour()));
    EXPECT_TRUE(frame->view().curvesShown());

    dialogs.printOutcome = PrintOutcome::Failed;
    frame->HandleCommand(command::kPrint);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "PRINTER ERROR");
    EXPECT_EQ(messages.shown[0].text, "Please check that the printer is on and properly connected.");
    EXPECT_EQ(dialogs.printedPages.size(), 1u);
}

TEST_F(GraphOutputTest, ResultsAndTextTravelThroughTheClipboard) {
    FrameMenus& menus = frame->menus();
    type("2^10\r");
    EXPECT_TRUE(menus.isEnabled(command::kCopyResult));
    EXPECT_TRUE(menus.isEnabled(command::kPasteResult));
    frame->HandleCommand(command::kCopyResult);
    EXPECT_EQ(dialogs.clipboard, "1024.000000000000");

    // The expression erased, Paste Result types its value in its place.
    for (int i = 0; i < 4; ++i) frame->HandleCommand(command::kBack);
    frame->HandleCommand(command::kPasteResult);
    type("/2\r");
    EXPECT_EQ(frame->view().curves().current().value, 512.0);

    // How a scientific result types back is the result text's own test.
    // Text from another program, with its line break.
    frame->HandleCommand(command::kReset);
    dialogs.clipboard = "2\u00D721\n";
    frame->HandleCommand(command::kPasteText);
    type("\r");
    EXPECT_EQ(frame->view().curves().current().value, 42.0);
    EXPECT_TRUE(messages.shown.empty());
    dialogs.clipboard = "2qz";
    frame->HandleCommand(command::kPasteText);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "ERROR: TYPO");

    type("x\r");  // the current curve varies: nothing to copy or paste
    EXPECT_FALSE(menus.isEnabled(command::kCopyResult));
    EXPECT_FALSE(menus.isEnabled(command::kPasteResult));
}

TEST_F(GraphOutputTest, CopyGraphCopiesThePictureOrTheFocusedValueText) {
    type("3sinx\r");
    frame->HandleCommand(command::kCopyGraph);
    ASSERT_EQ(dialogs.clipboardPicture.size(), frame->graph().size());
    const QPoint peak = sinePeak(dialogs.clipboardPicture.width(), dialogs.clipboardPicture.height());
    EXPECT_TRUE(onCurve(dialogs.clipboardPicture, peak, curveColour()));

    frame->HandleCommand(command::kReset);
    type("4.5\r");
    frame->activateWindow();
    ValueDisplay* value = frame->face().valueDisplay();
    value->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(value->hasFocus());
    frame->HandleCommand(command::kCopyGraph);
    EXPECT_EQ(dialogs.clipboard, value->text().toStdString());
    EXPECT_FALSE(value->hasFocus());
}

}  // namespace
}  // namespace orrery::testing
