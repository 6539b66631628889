// The Graph Text dialog: live styling, OK, Clear and Cancel, as the graph shows them.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "graph_fixture.h"
#include "graphing/qt/graph_text_dialog.h"
#include "support/recording_services.h"

namespace orrery::testing {
namespace {

class GraphTextDialogTest : public GraphFixture {
protected:
    ScriptedDialogService dialogs;

    GraphTextDialog& open() { return *widget.openTextDialog(dialogs); }

    template <typename T>
    T* control(GraphTextDialog& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(GraphTextDialog& dialog, const char* name) {
        QTest::mouseClick(control<QAbstractButton>(dialog, name), Qt::LeftButton);
    }

    // Pixels of the text colour in a band of rows to the right of the anchor.
    int textPixels(const QImage& image, int top, int bottom) {
        return countInked(image, QRect(view.textAnchorX(), top, 200, bottom - top), toQColor(view.text().color), background());
    }
};

TEST_F(GraphTextDialogTest, OpeningShowsTheTextAndOffersItsStyle) {
    view.text().text = "Peak\r\nhere";
    view.text().sizeIndex = 2;
    view.text().italic = true;
    GraphTextDialog& dialog = open();
    EXPECT_TRUE(view.text().shown);
    EXPECT_EQ(control<QComboBox>(dialog, "fontList")->currentText(), "Times New Roman");
    EXPECT_EQ(control<QComboBox>(dialog, "sizeList")->currentText(), "20");
    EXPECT_TRUE(control<QCheckBox>(dialog, "italicCheck")->isChecked());
    EXPECT_EQ(control<QPlainTextEdit>(dialog, "textEdit")->toPlainText(), "Peak\nhere");
    EXPECT_EQ(widget.openTextDialog(dialogs), &dialog) << "one dialog at a time";
}

TEST_F(GraphTextDialogTest, OkPlacesTwoLinesOnTheGraph) {
    GraphTextDialog& dialog = open();
    QSignalSpy changed(&widget, &GraphWidget::textChanged);
    control<QPlainTextEdit>(dialog, "textEdit")->setPlainText("Maximum\nof f");
    click(dialog, "okButton");
    EXPECT_EQ(view.text().text, "Maximum\r\nof f");
    EXPECT_TRUE(view.text().shown);
    EXPECT_TRUE(settings.modified);
    EXPECT_EQ(changed.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(widget.textDialog(), nullptr) << "closed and gone";

    // Size 30 at anchor (330, 110): the first line is centred on the anchor,
    // the second one line below.
    const QImage image = shot();
    EXPECT_GT(textPixels(image, 95, 125), 40);
    EXPECT_GT(textPixels(image, 128, 155), 20);
    EXPECT_EQ(textPixels(image, 165, 300), 0);
}

TEST_F(GraphTextDialogTest, OkWithAnEmptyBoxHidesTheText) {
    view.text().text = "old";
    GraphTextDialog& dialog = open();
    control<QPlainTextEdit>(dialog, "textEdit")->clear();
    click(dialog, "okButton");
    EXPECT_FALSE(view.text().shown);
    EXPECT_EQ(view.text().text, "");
}

TEST_F(GraphTextDialogTest, StyleChangesShowAtOnceAndCancelUndoesThemAll) {
    view.text().text = "Note";
    view.text().shown = true;
    const GraphText before = view.text();
    GraphTextDialog& dialog = open();
    dialogs.colors = {makeRgb(200, 0, 0)};

    click(dialog, "boldCheck");
    control<QComboBox>(dialog, "sizeList")->setCurrentIndex(10);
    control<QComboBox>(dialog, "fontList")->setCurrentIndex(0);
    click(dialog, "colorButton");
    click(dialog, "arrowUp");
    click(dialog, "arrowLeft");
    EXPECT_TRUE(view.text().bold);
    EXPECT_EQ(view.text().sizeIndex, 10);
    EXPECT_EQ(view.text().fontIndex, 0);
    EXPECT_EQ(view.text().color, makeRgb(200, 0, 0));
    EXPECT_NEAR(view.text().y, 0.23, 1e-12);
    EXPECT_NEAR(view.text().x, 0.73, 1e-12);
    EXPECT_GT(countInked(shot(), QRect(300, 60, 140, 80), QColor(200, 0, 0), background()), 40) << "shown at once";

    click(dialog, "cancelButton");
    EXPECT_EQ(view.text(), before);
    EXPECT_FALSE(settings.modified);
}

TEST_F(GraphTextDialogTest, DismissedForANewDocumentLeavesItsText) {
    view.text().text = "From the old document";
    GraphTextDialog& dialog = open();
    view.resetAll();
    dialog.dismiss();
    EXPECT_EQ(view.text().text, "");
    EXPECT_FALSE(view.text().shown);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(GraphTextDialogTest, ClearEmptiesTheBoxAndTheTextLeavingTheMarker) {
    view.text().text = "Gone soon";
    GraphTextDialog& dialog = open();
    click(dialog, "clearButton");
    EXPECT_EQ(control<QPlainTextEdit>(dialog, "textEdit")->toPlainText(), "");
    EXPECT_EQ(view.text().text, "");
    EXPECT_TRUE(view.text().shown);
    EXPECT_GT(countInked(shot(), QRect(300, 80, 60, 60), QColor(0, 200, 0), background()), 10) << "the marker";
}

TEST(GraphTextLines, BoxLinesAndStoredLinesConvertBothWays) {
    EXPECT_EQ(storedGraphText("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(boxGraphText("a\r\nb"), "a\nb");
    EXPECT_EQ(storedGraphText("Ω ≥ 2"), "Ω ≥ 2");
}

}  // namespace
}  // namespace orrery::testing
