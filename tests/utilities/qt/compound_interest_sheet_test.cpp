#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "common/qt/frame_hooks.h"
#include "shell/command_ids.h"
#include "support/recording_frame.h"
#include "support/recording_services.h"
#include "utilities/qt/finance_page_widget.h"
#include "utilities/qt/utilities_windows.h"

namespace orrery {
namespace {

using testing::RecordingFrame;

// The entries of one page, as a person sets them.
struct Entries {
    const char* amount = "";
    const char* rate = "";
    const char* value = "";
    int compounding = 0;
    int presentDay = 1, presentMonth = 0;
    const char* presentYear = "2020";
    int futureDay = 1, futureMonth = 0;
    const char* futureYear = "2021";
};

class CompoundInterestTest : public ::testing::Test {
protected:
    testing::RecordingMessageService messages;
    testing::ScriptedDialogService dialogs;
    RecordingFrame frame;
    UtilitiesWindows windows{messages, dialogs, frame};

    void SetUp() override { windows.run(command::kCompoundInterest); }

    FinancePageWidget& page(int index) { return windows.sheet()->page(index); }
    QLineEdit* box(int index, const char* name) { return page(index).findChild<QLineEdit*>(name); }
    QComboBox* list(int index, const char* name) { return page(index).findChild<QComboBox*>(name); }
    QString text(int index, const char* name) { return box(index, name)->text(); }
    void click(int index, const char* name) {
        QTest::mouseClick(page(index).findChild<QPushButton*>(name), Qt::LeftButton);
    }

    void enter(int index, const Entries& e) {
        box(index, "amountEdit")->setText(e.amount);
        box(index, "rateEdit")->setText(e.rate);
        box(index, "valueEdit")->setText(e.value);
        list(index, "compoundingList")->setCurrentIndex(e.compounding);
        list(index, "presentDayList")->setCurrentIndex(e.presentDay - 1);
        list(index, "presentMonthList")->setCurrentIndex(e.presentMonth);
        box(index, "presentYearEdit")->setText(e.presentYear);
        list(index, "futureDayList")->setCurrentIndex(e.futureDay - 1);
        list(index, "futureMonthList")->setCurrentIndex(e.futureMonth);
        box(index, "futureYearEdit")->setText(e.futureYear);
    }

    void closeAndReopen() {
        click(0, "closeButton");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(windows.sheet(), nullptr);
        windows.run(command::kCompoundInterest);
    }
};

// The page's boxes are read and the results written back; dates the wrong
// way round are shown swapped. The sums themselves are proven in the core tests.
TEST_F(CompoundInterestTest, CalculateFillsTheUnknownBox) {
    enter(1, {"", "12", "1126.825", 3, 1, 0, "2021", 1, 0, "2020"});
    click(1, "calculateButton");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;
    EXPECT_EQ(text(1, "amountEdit"), "1000.0000");
    EXPECT_EQ(text(1, "valueEdit"), "1126.8250");
    EXPECT_EQ(text(1, "periodsEdit"), "12");
    EXPECT_EQ(text(1, "presentYearEdit"), "2020");
    EXPECT_EQ(text(1, "futureYearEdit"), "2021");
}

TEST_F(CompoundInterestTest, ARefusedPageKeepsItsStateAndPutsTheBoxBack) {
    enter(0, {"1000", "12", "", 3});
    click(0, "calculateButton");
    struct Case {
        Entries entries;
        std::string message;
        const char* yearShown;
        int dayShown;
    };
    const Case cases[] = {
        {{"500", "5", "", 3, 30, 1, "2020", 1, 0, "2021"}, "There are only 29 days in Feb 2020", "2020", 1},
        {{"500", "5", "", 3, 1, 0, "twenty", 1, 0, "2021"},
         "The present year must be a positive integer. You entered: twenty", "2020", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.shown.clear();
        enter(0, c.entries);
        click(0, "calculateButton");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], (UserMessage{"INPUT ERROR", c.message}));
        EXPECT_EQ(text(0, "presentYearEdit"), c.yearShown);
        EXPECT_EQ(list(0, "presentDayList")->currentIndex() + 1, c.dayShown);
    }
    // The page still holds what the last good Calculate stored.
    closeAndReopen();
    EXPECT_EQ(text(0, "amountEdit"), "1000.00");
    EXPECT_EQ(text(0, "rateEdit"), "12.0000");
    EXPECT_EQ(text(0, "periodsEdit"), "12");
}

TEST_F(CompoundInterestTest, OverflowIsWarnedBeforeTheResults) {
    enter(0, {"1e290", "100", "", 0, 1, 0, "2000", 1, 0, "2030"});
    click(0, "calculateButton");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "POTENTIAL OVERFLOW");
    EXPECT_EQ(text(0, "valueEdit"), "out of range");
}

TEST_F(CompoundInterestTest, PagesCaptionsClearCopyAndReopening) {
    const char* titles[] = {"Compound Interest: Future Value", "Compound Interest: Present Value", "Ordinary Annuity",
                            "Present Value Annuity"};
    for (int i = 3; i >= 0; --i) {
        windows.sheet()->tabs().setCurrentIndex(i);
        EXPECT_EQ(windows.sheet()->windowTitle(), titles[i]);
    }
    // The annuities start from 3 %.
    EXPECT_EQ(text(2, "rateEdit"), "3.0000");
    EXPECT_EQ(text(0, "rateEdit"), "");

    windows.sheet()->tabs().setCurrentIndex(3);
    enter(3, {"100", "6", "", 3});
    QTest::keyClick(windows.sheet(), Qt::Key_Return);  // Enter calculates on the active page only
    const QString loan = text(3, "valueEdit");
    EXPECT_TRUE(loan.startsWith("1161.")) << loan.toStdString();
    click(3, "copyValueButton");
    EXPECT_EQ(dialogs.clipboard, loan.toStdString());
    dialogs.clipboard = "kept";
    click(0, "copyValueButton");  // nothing in it: nothing to paste
    EXPECT_EQ(dialogs.clipboard, "kept");

    closeAndReopen();
    EXPECT_EQ(text(3, "amountEdit"), "100.00");
    EXPECT_EQ(text(3, "periodsEdit"), "12");
    click(3, "clearButton");
    EXPECT_EQ(text(3, "amountEdit"), "");
    EXPECT_EQ(text(3, "rateEdit"), "3.0000");
    EXPECT_EQ(text(3, "periodsEdit"), "0");
}

}  // namespace
}  // namespace orrery
