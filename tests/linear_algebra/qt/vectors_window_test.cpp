#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include "linear_algebra/qt/linear_algebra_windows.h"
#include "linear_algebra/qt/matrices_window.h"
#include "linear_algebra/qt/vectors_window.h"
#include "shell/command_ids.h"
#include "support/recording_frame.h"
#include "workbench_fixture.h"

namespace orrery::testing {
namespace {

class VectorsTest : public WorkbenchTest<VectorsWindow> {
protected:
    void enter(Operand operand, const std::vector<QString>& cells) {
        window->sizeBox(operand).setCurrentIndex(static_cast<int>(cells.size()));
        typeCells(window->grid(operand), cells);
    }
    std::vector<std::string> result() { return texts(window->grid(Operand::Result)); }
};

TEST_F(VectorsTest, RotationTakesItsAnglesAndUnitsFromTheVectorsOwnBoxes) {
    // One angle box for a plane vector, three in space, none otherwise.
    const struct {
        int size;
        bool shown[3];
    } boxes[] = {{2, {true, false, false}}, {3, {true, true, true}}, {4, {false, false, false}}};
    for (const auto& b : boxes) {
        window->sizeBox(Operand::Left).setCurrentIndex(b.size);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(child(QStringLiteral("angle%1A").arg(k))->isVisibleTo(window.get()), b.shown[k]) << b.size;
    }

    // Radians at first; a click on either box swaps both, for this vector only.
    auto* radians = child<QCheckBox>("radiansA");
    auto* degrees = child<QCheckBox>("degreesA");
    EXPECT_TRUE(radians->isChecked());
    EXPECT_FALSE(degrees->isChecked());
    QTest::mouseClick(degrees, Qt::LeftButton, {}, QPoint(5, degrees->height() / 2));
    EXPECT_FALSE(radians->isChecked());
    EXPECT_TRUE(degrees->isChecked());
    EXPECT_TRUE(child<QCheckBox>("radiansB")->isChecked());

    enter(Operand::Left, {"1", "0", "0"});
    setText("angle0A", "0");
    setText("angle1A", "0");
    setText("angle2A", "90");
    click("rotateA");
    EXPECT_EQ(result(), (std::vector<std::string>{"0.00", "1.00", "0.00"}));

    QTest::mouseClick(degrees, Qt::LeftButton, {}, QPoint(5, degrees->height() / 2));
    EXPECT_TRUE(radians->isChecked());
    EXPECT_FALSE(degrees->isChecked());
    enter(Operand::Left, {"1", "0"});
    setText("angle0A", "3.14159265");
    click("rotateA");
    EXPECT_EQ(result(), (std::vector<std::string>{"-1.00", "0.00"}));  // decimals of the vector, not the angle

    trigger("&Print Preview");
    ASSERT_TRUE(window->previewWindow());
    const SheetPicture& picture = window->previewWindow()->picture();
    ASSERT_GE(picture.operands.size(), 2u);
    EXPECT_EQ(picture.operands[0].mark, "Rotate");
    EXPECT_EQ(picture.operands[2].mark, "by 3.14159265 (rad)");
}

TEST_F(VectorsTest, OperationsBetweenVectorsAndTransfers) {
    click("toB");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (UserMessage{"Result Vector Undefined: Nothing to transfer",
                                              "Please perform an operation to create a result vector.\n"}));

    enter(Operand::Left, {"2", "2"});
    enter(Operand::Right, {"1", "0"});
    click("projAOnB");
    EXPECT_EQ(result(), (std::vector<std::string>{"2.000000", "0.000000"}));
    click("perpAToB");
    EXPECT_EQ(result(), (std::vector<std::string>{"0.000000", "2.000000"}));
    click("dot");
    EXPECT_EQ(result(), (std::vector<std::string>{"2.00"}));
    click("toA");
    EXPECT_EQ(window->sizeBox(Operand::Left).currentText(), "1");
    EXPECT_EQ(texts(window->grid(Operand::Left)), (std::vector<std::string>{"2.00"}));

    messages.shown.clear();
    click("cross");
    click("sum");
    EXPECT_EQ(messages.captions(), (std::vector<std::string>{"Undefined Operation", "Undefined Operation"}));
    EXPECT_EQ(result(), (std::vector<std::string>{"2.00"}));

    click("close");
    EXPECT_FALSE(window->isVisible());
}

void triggerItem(QMainWindow& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == text) return action->trigger();
    ADD_FAILURE() << text.toStdString();
}

TEST(LinearAlgebraWindows, OneWindowOfEachKindPlacedAndSizedForTheScreen) {
    RecordingMessageService messages;
    ScriptedDialogService dialogs;
    QWidget parent;
    RecordingFrame frame;
    frame.window = &parent;
    LinearAlgebraWindows module(messages, dialogs, frame);
    EXPECT_EQ(module.commands(), (std::vector<int>{command::kMatrices, command::kVectors}));

    module.run(command::kMatrices);
    MatricesWindow* matrices = module.matrices();
    ASSERT_TRUE(matrices);
    module.run(command::kMatrices);
    EXPECT_EQ(module.matrices(), matrices);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(matrices->size(), QSize(std::min(1000, screen.width() - 80), std::min(750, screen.height() - 80)));
    EXPECT_EQ(matrices->pos(), screen.topLeft() + QPoint(20, 20));
    EXPECT_EQ(matrices->windowTitle(), "Matrices");

    module.run(command::kVectors);
    ASSERT_TRUE(module.vectors());
    EXPECT_EQ(module.vectors()->windowTitle(), "Vectors");

    // The help items open the program's help at their own section.
    triggerItem(*matrices, QStringLiteral("&Help for Matrices"));
    triggerItem(*module.vectors(), QStringLiteral("&Help for Vectors"));
    EXPECT_EQ(frame.helpShown, (std::vector<std::string>{"matrices#matrices", "matrices#vectors"}));
    EXPECT_TRUE(messages.shown.empty());

    // Closing discards the window; asking again opens a fresh one.
    matrices->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(module.matrices());
    module.run(command::kMatrices);
    EXPECT_TRUE(module.matrices());
}

}  // namespace
}  // namespace orrery::testing
