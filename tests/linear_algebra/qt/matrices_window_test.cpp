#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "linear_algebra/qt/matrices_window.h"
#include "linear_algebra/qt/sheet_painter.h"
#include "workbench_fixture.h"

namespace orrery::testing {
namespace {

class MatricesTest : public WorkbenchTest<MatricesWindow> {
protected:
    CellGrid& a() { return window->grid(Operand::Left); }
    CellGrid& b() { return window->grid(Operand::Right); }
    CellGrid& result() { return window->grid(Operand::Result); }

    void choose(Operand operand, int rows, int cols) {
        window->sizeBox(operand, true).setCurrentIndex(rows);
        window->sizeBox(operand, false).setCurrentIndex(cols);
    }
    void enter(Operand operand, int rows, int cols, const std::vector<QString>& cells) {
        choose(operand, rows, cols);
        typeCells(window->grid(operand), cells);
    }
};

// Whether any pixel of the rectangle is darker than mid-grey.
bool inked(const QImage& image, const QRect& area) {
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

TEST_F(MatricesTest, OperationsWriteTheResultGrid) {
    enter(Operand::Left, 2, 2, {"1", "2", "3", "4"});
    click("determinantA");
    EXPECT_EQ(result().rows(), 1);
    EXPECT_EQ(result().cols(), 1);
    EXPECT_EQ(texts(result()), (std::vector<std::string>{"-2.00"}));
    EXPECT_EQ(window->lastOperation(), 1);

    enter(Operand::Right, 2, 3, {"1", "2", "3", "4", "5", "6.5"});
    setText("multiplyBoxB", "-2");
    click("multiplyB");
    EXPECT_EQ(texts(result()),  // one decimal and one integer digit: three decimals
              (std::vector<std::string>{"-2.000", "-4.000", "-6.000", "-8.000", "-10.000", "-13.000"}));
    click("transposeB");
    EXPECT_EQ(result().rows(), 3);
    EXPECT_EQ(result().cols(), 2);
    EXPECT_EQ(window->lastOperation(), 11);

    // A 10 x 10 inverse typed into the grid: ones on and above the diagonal
    // invert to ones on the diagonal and minus ones just above it.
    std::vector<QString> upper;
    for (int k = 0; k < 100; ++k) upper.push_back(k % 10 >= k / 10 ? QStringLiteral("1") : QStringLiteral("0"));
    enter(Operand::Left, 10, 10, upper);
    click("inverseA");
    ASSERT_EQ(result().rows() * result().cols(), 100);
    const std::vector<std::string> inverse = texts(result());
    for (int k = 0; k < 100; ++k) {
        const int i = k / 10, j = k % 10;
        EXPECT_EQ(inverse[static_cast<std::size_t>(k)], i == j ? "1.00" : j == i + 1 ? "-1.00" : "0.00") << k;
    }
}

// Each kind of check once through its button: a sum of two operands, one
// operand's determinant, and a clear; workbench_test.cpp has every text.
TEST_F(MatricesTest, RefusedOperationsChangeNothingAndSayEverything) {
    enter(Operand::Left, 1, 1, {"4"});
    click("inverseA");
    const std::vector<std::string> before = texts(result());
    ASSERT_EQ(before, (std::vector<std::string>{"0.25"}));

    const struct {
        int aRows, aCols, bRows, bCols;
        std::vector<QString> aCells, bCells;
        const char* button;
        UserMessage expected;
        int focus = -1;  // the cell of A that gets the focus
    } cases[] = {
        {3, 2, 0, 0, {}, {}, "determinantA",
         {"UNDEFINED OPERATION", "Determinants are only defined for square matrices.."}},
        {2, 2, 2, 2, {"1", "", "3", ""}, {"1", "2", "", "4"}, "sum",
         {"Missing Entries: Cannot Subtract",
          "Please put a single number in entry Row: 1 Column: 2 of the  left matrix.\n"
          "Please put a single number in entry Row: 2 Column: 2 of the  left matrix.\n"
          "Please put a single number in entry Row: 2 Column: 1 of the  right matrix.\n"},
         1},
        {0, 0, 2, 2, {}, {}, "clearA",
         {"INPUT ERROR", "Nothing to clear! Please select the number of rows.\n"
                         "Nothing to clear! Please select the number of columns."}},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        a().clear();
        b().clear();
        enter(Operand::Left, c.aRows, c.aCols, c.aCells);
        enter(Operand::Right, c.bRows, c.bCols, c.bCells);
        click(QString::fromLatin1(c.button));
        ASSERT_EQ(messages.shown.size(), 1u) << c.button;
        EXPECT_EQ(messages.shown[0], c.expected) << c.button;
        EXPECT_EQ(texts(result()), before) << c.button;
        EXPECT_EQ(window->lastOperation(), 2) << c.button;
        if (c.focus >= 0) {
            EXPECT_EQ(window->focusWidget(), a().cell(c.focus)) << c.button;
        }
    }
}

TEST_F(MatricesTest, TransfersTakeTheResultAndItsSize) {
    click("toA");
    click("toB");
    EXPECT_EQ(messages.captions(), (std::vector<std::string>{"Nothing to transfer", "Nothing to transfer"}));

    enter(Operand::Left, 2, 1, {"1", "2"});
    enter(Operand::Right, 1, 3, {"1", "2", "3"});
    click("product");
    click("toA");
    EXPECT_EQ(window->sizeBox(Operand::Left, true).currentText(), "2");
    EXPECT_EQ(window->sizeBox(Operand::Left, false).currentText(), "3");
    EXPECT_EQ(texts(a()), (std::vector<std::string>{"1.00", "2.00", "3.00", "2.00", "4.00", "6.00"}));
    EXPECT_EQ(window->lastOperation(), 0);

    setText("fillBoxB", "0.5");
    click("fillB");
    click("transposeB");
    click("toB");
    EXPECT_EQ(window->sizeBox(Operand::Right, true).currentText(), "3");
    EXPECT_EQ(texts(b()), (std::vector<std::string>{"0.5", "0.5", "0.5"}));
    EXPECT_EQ(window->lastOperation(), 11);
}

TEST_F(MatricesTest, KeyboardMovesThroughGridsAndControlsAndEscapeCloses) {
    choose(Operand::Left, 2, 3);
    const struct {
        int from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int to;
    } moves[] = {
        {0, Qt::Key_Tab, Qt::NoModifier, 1},        {5, Qt::Key_Tab, Qt::NoModifier, 0},
        {0, Qt::Key_Backtab, Qt::ShiftModifier, 5}, {1, Qt::Key_Down, Qt::NoModifier, 4},
        {4, Qt::Key_Down, Qt::NoModifier, 4},       {2, Qt::Key_Up, Qt::NoModifier, 2},
        {5, Qt::Key_Up, Qt::NoModifier, 2},
    };
    for (const auto& m : moves) {
        a().focusSlot(m.from);
        QTest::keyClick(a().cell(m.from), m.key, m.modifiers);
        EXPECT_EQ(window->focusWidget(), a().cell(m.to)) << m.from << " key " << m.key;
    }

    // Outside the grids Tab cycles from the first size box to "Result -> B".
    child("toB")->setFocus();
    QTest::keyClick(child("toB"), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), child("aRows"));
    QTest::keyClick(child("aRows"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window->focusWidget(), child("toB"));

    QTest::keyClick(a().cell(0), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MatricesTest, PreviewPrintAndCopyDrawTheLayout) {
    trigger("&Print Preview");
    trigger("&Print");
    trigger("&Copy Matrices to Clipboard");
    ASSERT_EQ(messages.shown.size(), 3u);
    for (const UserMessage& m : messages.shown)
        EXPECT_EQ(m, (UserMessage{"NO MATRICES", "Please enter a matrix before attempting to print or preview printing ."}));
    EXPECT_TRUE(dialogs.printedPages.empty());
    EXPECT_TRUE(dialogs.clipboardPicture.isNull());
    messages.shown.clear();

    enter(Operand::Left, 2, 2, {"1", "2", "3", "4"});
    click("determinantA");
    trigger("&Print Preview");
    SheetPreviewWindow* preview = window->previewWindow();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->windowTitle(), "Matrix Print Preview");
    ASSERT_FALSE(preview->picture().operands.empty());
    EXPECT_EQ(preview->picture().operands[0].mark, "det");
    EXPECT_EQ(preview->scrollBar()->maximum(), 800);

    // The canvas shows ink where the layout puts the result's text, and none
    // far from everything.
    QApplication::processEvents();
    const QImage canvas = preview->canvas()->grab().toImage();
    const SheetLayout layout = SheetPainter(preview->picture()).layout(canvas.width());
    const auto result = std::find_if(layout.texts.begin(), layout.texts.end(),
                                     [](const SheetText& t) { return t.text == "-2.00"; });
    ASSERT_NE(result, layout.texts.end());
    EXPECT_TRUE(inked(canvas, QRect(int(result->x), int(result->y), 60, 20)));
    EXPECT_FALSE(inked(canvas, QRect(canvas.width() - 40, canvas.height() - 40, 30, 30)));
    // The wheel over the page scrolls it; at 800 pixels the picture is out of sight.
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(preview->canvas(), &wheel);
    EXPECT_GT(preview->scrollBar()->value(), 0);
    preview->scrollBar()->setValue(800);
    EXPECT_FALSE(inked(preview->canvas()->grab().toImage(), canvas.rect()));

    // Printing gives one page with the picture on it, named after the window.
    preview->print();
    trigger("&Print");
    ASSERT_EQ(dialogs.printedPages.size(), 2u);
    EXPECT_EQ(dialogs.printTitles, (std::vector<std::string>{"Matrix Print Preview", "Matrices"}));
    EXPECT_TRUE(inked(dialogs.printedPages[0], dialogs.printedPages[0].rect()));
    EXPECT_EQ(dialogs.printedPages[0], dialogs.printedPages[1]);

    trigger("&Copy Matrices to Clipboard");
    EXPECT_EQ(dialogs.clipboardPicture.width(), window->width());
    EXPECT_GE(dialogs.clipboardPicture.height(), window->height());
    EXPECT_TRUE(inked(dialogs.clipboardPicture, dialogs.clipboardPicture.rect()));

    // A failing printer is reported, not passed over.
    dialogs.printOutcome = PrintOutcome::Failed;
    trigger("&Print");
    EXPECT_EQ(messages.captions(), (std::vector<std::string>{"PRINTER ERROR"}));

    // Once A is edited the determinant no longer describes it: the picture drops the mark.
    a().cell(0)->setText(QStringLiteral("5"));
    trigger("&Print Preview");
    ASSERT_NE(window->previewWindow(), preview);
    EXPECT_EQ(window->previewWindow()->picture().operands[0].mark, "");
}

// Printing through the seam onto a real printer device: a PDF file with one page.
TEST(MatricesPrinting, GivesAPdfPage) {
    struct PdfDialogs : ScriptedDialogService {
        QString path;
        PrintOutcome print(const PrintJob& job) override {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            QPainter painter(&printer);
            job.paintPage(painter, QRect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()), 0);
            return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
        }
    };
    QTemporaryDir dir;
    RecordingMessageService messages;
    PdfDialogs dialogs;
    dialogs.path = dir.filePath(QStringLiteral("matrices.pdf"));
    MatricesWindow window(messages, dialogs);
    window.sizeBox(Operand::Left, true).setCurrentIndex(1);
    window.sizeBox(Operand::Left, false).setCurrentIndex(1);
    window.grid(Operand::Left).cell(0)->setText(QStringLiteral("4"));
    window.print();
    EXPECT_TRUE(messages.shown.empty());
    QFile pdf(dialogs.path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.contains("/Count 1"));  // one page
}

TEST_F(MatricesTest, HelpIsComing) {
    trigger("&Help for Matrices");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "very soon");
    EXPECT_EQ(messages.shown[0].text, "Help coming");
}

}  // namespace
}  // namespace orrery::testing
