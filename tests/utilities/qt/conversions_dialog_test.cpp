#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "support/recording_services.h"
#include "utilities/conversion.h"
#include "utilities/qt/conversions_dialog.h"

namespace orrery {
namespace {

class ConversionsDialogTest : public ::testing::Test {
protected:
    int remembered = 0;
    testing::RecordingMessageService messages;
    std::unique_ptr<ConversionsDialog> dialog = std::make_unique<ConversionsDialog>(remembered, messages);

    template <typename T>
    T* child(const char* name) {
        T* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QListWidget* list(const char* name) { return child<QListWidget>(name); }

    void choose(const char* listName, const QString& text) {
        const auto items = list(listName)->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        list(listName)->setCurrentItem(items.front());
    }
    QStringList texts(const char* listName) {
        QStringList out;
        for (int i = 0; i < list(listName)->count(); ++i) out << list(listName)->item(i)->text();
        return out;
    }
    std::string convert(const QString& input) {
        QLineEdit* edit = child<QLineEdit>("inputEdit");
        edit->clear();
        QTest::keyClicks(edit, input);
        QTest::mouseClick(child<QPushButton>("convertButton"), Qt::LeftButton);
        return child<QLineEdit>("resultEdit")->text().toStdString();
    }
};

TEST_F(ConversionsDialogTest, ListsInOrderWithTheFirstTwoUnitsChosenAndTheTypeRemembered) {
    EXPECT_EQ(texts("typeList"), (QStringList{"Angle", "Area", "Distance", "Energy", "Force", "Mass", "Number Systems",
                                              "Pressure", "Speed", "Temperature", "Time", "Volume"}));
    struct Case {
        const char* type;
        const char* first;
        const char* second;
    };
    for (const Case& c : {Case{"Angle", "Degree", "Mil-Radian"}, Case{"Force", "Dyne", "Newton"}}) {
        choose("typeList", c.type);
        EXPECT_EQ(list("fromList")->currentItem()->text(), c.first) << c.type;
        EXPECT_EQ(list("toList")->currentItem()->text(), c.second) << c.type;
        // Sorted as a sorted list box sorts: without regard to case.
        const QStringList units = texts("fromList");
        for (int i = 1; i < units.size(); ++i)
            EXPECT_LE(units[i - 1].compare(units[i], Qt::CaseInsensitive), 0) << units[i].toStdString();
        EXPECT_EQ(units, texts("toList"));
    }

    dialog.reset();
    dialog = std::make_unique<ConversionsDialog>(remembered, messages);
    EXPECT_EQ(list("typeList")->currentItem()->text(), "Force");
    EXPECT_EQ(list("fromList")->currentItem()->text(), "Dyne");
}

TEST_F(ConversionsDialogTest, ConvertShowsTheResultOrTheMessage) {
    const std::string positive = "Please put in a single positive number in the left edit box..";
    struct Case {
        const char* type;
        const char* from;
        const char* to;
        const char* input;
        std::string result;   // shown in the result box
        std::string message;  // or refused with this text
    };
    // What the dialog adds to the conversions themselves: it reads the
    // chosen units and the box, and shows a refusal without touching the result.
    const Case cases[] = {
        {"Distance", "Mile", "Kilometer", "1", "1.60934400000000", ""},
        {"Number Systems", "Binary", "Base 10", "101.1", "5.5", ""},
        {"Distance", "Meter", "Foot", "0", "", positive},
        {"Mass", "Gram", "Gram", "5", "", "Please select two different measurement units."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.input);
        messages.shown.clear();
        child<QLineEdit>("resultEdit")->setText("before");
        choose("typeList", c.type);
        choose("fromList", c.from);
        choose("toList", c.to);
        const std::string shown = convert(c.input);
        if (c.message.empty()) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(shown, c.result);
        } else {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0], (UserMessage{"INPUT ERROR", c.message}));
            EXPECT_EQ(shown, "before");
        }
    }
}

TEST_F(ConversionsDialogTest, InputLimitNoSelectionAndHelp) {
    QLineEdit* input = child<QLineEdit>("inputEdit");
    QTest::keyClicks(input, "123456789012345678");
    EXPECT_EQ(input->text(), "12345678901234");

    choose("typeList", "Mass");
    list("toList")->clearSelection();
    convert("5");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Please select a type of measurement units to which to convert.");

    QTest::mouseClick(child<QPushButton>("helpButton"), Qt::LeftButton);
    EXPECT_EQ(messages.shown.back(), (UserMessage{"SO SORRY", "HELP NOT IMPLEMENTED YET"}));
}

}  // namespace
}  // namespace orrery
