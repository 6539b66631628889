// Help, Tip of the Day and About Orrery, as a person uses them.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "main_frame_fixture.h"
#include "shell/about_automaton.h"
#include "shell/command_ids.h"
#include "shell/qt/about_box.h"
#include "shell/qt/automaton_view.h"
#include "shell/qt/frame_menus.h"
#include "shell/qt/help_window.h"
#include "shell/qt/help_windows.h"
#include "shell/qt/tip_window.h"
#include "shell/tip_book.h"

namespace orrery::testing {
namespace {

template <typename T>
T& child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

// The colour painted at the middle of a cell of the automaton view.
QColor cellColor(const QImage& picture, const AboutAutomaton& automaton, int row, int column) {
    const int x = static_cast<int>((column + 0.5) * picture.width() / automaton.columns());
    const int y = static_cast<int>((row + 0.5) * picture.height() / automaton.rows());
    return picture.pixelColor(x, y);
}

TEST(AboutBoxTest, PaintsEachCellInItsStateColourAndEvolvesInTheSameSpace) {
    AboutAutomaton automaton;
    RecordingMessageService messages;
    AboutBox box(automaton, messages);
    box.show();
    QApplication::processEvents();
    EXPECT_EQ(box.windowTitle(), "About Orrery");
    AutomatonView& view = child<AutomatonView>(box, "automatonView");
    const QSize size = view.size();
    const QImage first = view.grab().toImage();
    const int mid = automaton.columns() / 2;
    struct Cell {
        int row, column;
        QColor color;
    };
    // Row 0 has one blue cell; row 2 reads blue, red, yellow, red, blue; row 4 has green.
    for (const Cell& cell : {Cell{0, 0, Qt::red}, Cell{0, mid, Qt::blue}, Cell{0, mid + 1, Qt::red},
                             Cell{2, mid - 2, Qt::blue}, Cell{2, mid, Qt::yellow}, Cell{4, mid - 2, Qt::green}})
        EXPECT_EQ(cellColor(first, automaton, cell.row, cell.column), cell.color)
            << "row " << cell.row << " column " << cell.column;

    QTest::mouseClick(&child<QPushButton>(box, "evolveButton"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(view.size(), size);
    const QImage evolved = view.grab().toImage();
    EXPECT_NE(evolved, first);
    EXPECT_EQ(cellColor(evolved, automaton, 2, automaton.columns() / 2), QColor(Qt::yellow));

    QTest::mouseClick(&child<QPushButton>(box, "resetButton"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(view.grab().toImage(), first);
    EXPECT_TRUE(messages.shown.empty());
}

std::string tip(int number) {
    return QString::fromUtf8(TipBook::Tips()[static_cast<size_t>(number - 1)].data()).simplified().toStdString();
}

TEST(TipWindowTest, StepsThroughTheTipsAndRemembersThePlaceAndTheChoice) {
    MemorySettingsStore store;
    store.write("097", "TipNumber", "31");
    {
        TipWindow window(store);
        EXPECT_EQ(window.windowTitle(), "Tip of the Day");
        EXPECT_EQ(window.tipText().toStdString(), tip(32));
        // The wrapping itself is the tip book's; here, that the buttons step.
        QPushButton& next = child<QPushButton>(window, "nextButton");
        QTest::mouseClick(&child<QPushButton>(window, "previousButton"), Qt::LeftButton);
        EXPECT_EQ(window.tipText().toStdString(), tip(31));
        // Tabs and runs of blanks in the stored texts show as one blank.
        for (int i = 0; i < 2; ++i) QTest::mouseClick(&next, Qt::LeftButton);
        EXPECT_EQ(window.tipText().toStdString(),
                  "Click on the \"Sketch\" button or press \"Enter\" anytime you wish to see a graph or the result "
                  "of a numerical calculation.");
        QCheckBox& atStart = child<QCheckBox>(window, "showAtStart");
        EXPECT_TRUE(atStart.isChecked());
        atStart.click();
        EXPECT_EQ(store.read("097", "bShowTips"), "0");
    }
    // Tip 1 was the last shown: the next start begins at tip 2.
    EXPECT_EQ(store.read("097", "TipNumber"), "1");
    TipWindow again(store);
    EXPECT_EQ(again.tipText().toStdString(), tip(2));
    EXPECT_FALSE(child<QCheckBox>(again, "showAtStart").isChecked());
}

// Every page of the manual, by name, and its text.
QMap<QString, QString> manualPages() {
    QMap<QString, QString> pages;
    for (const QString& name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")})) {
        QFile file(QStringLiteral(":/help/") + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        pages[name] = QString::fromUtf8(file.readAll());
    }
    return pages;
}

TEST(Manual, EveryInternalLinkAndPictureResolvesAndEveryPageIsInTheContents) {
    const QMap<QString, QString> pages = manualPages();
    ASSERT_GE(pages.size(), 15);
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    static const QRegularExpression anchor(QStringLiteral("id=\"([^\"]+)\""));
    int links = 0;
    for (auto page = pages.begin(); page != pages.end(); ++page) {
        for (const QRegularExpressionMatch& match : reference.globalMatch(page.value())) {
            const QString target = match.captured(1);
            ASSERT_FALSE(target.contains(QStringLiteral("://"))) << "outside link in " << page.key().toStdString();
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString fragment = target.section(QLatin1Char('#'), 1);
            const QString path = file.isEmpty() ? page.key() : file;
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + path))
                << page.key().toStdString() << " links to missing " << target.toStdString();
            if (!fragment.isEmpty()) {
                QSet<QString> ids;
                for (const QRegularExpressionMatch& id : anchor.globalMatch(pages.value(path))) ids << id.captured(1);
                EXPECT_TRUE(ids.contains(fragment))
                    << page.key().toStdString() << " links to missing anchor " << target.toStdString();
            }
            ++links;
        }
    }
    EXPECT_GT(links, 100);
    HelpWindow window;
    QListWidget& contents = child<QListWidget>(window, "contents");
    EXPECT_EQ(contents.count(), pages.size());  // the contents page and one entry for each other page
}

TEST(Manual, CoversEveryMenuCommandAndAccelerator) {
    QString all;
    for (const QString& text : manualPages()) all += text;
    MemorySettingsStore store;
    RecordingMessageService messages;
    ScriptedDialogService dialogs;
    MainFrame frame(store, messages, dialogs);
    // Each menu item's words (without the & and the accelerator) and its keys appear in the manual.
    int items = 0;
    for (QAction* menu : frame.menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator() || item->data().toInt() >= command::kRecentFirst) continue;
            QString text = item->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')).trimmed();
            text = text.section(QLatin1Char('('), 0, 0).remove(QStringLiteral("...")).trimmed();
            EXPECT_TRUE(all.contains(text, Qt::CaseInsensitive)) << text.toStdString();
            const QString keys = item->text().section(QLatin1Char('\t'), 1).trimmed();
            if (!keys.isEmpty()) {
                EXPECT_TRUE(all.contains(keys)) << keys.toStdString();
            }
            ++items;
        }
    }
    EXPECT_GE(items, 35);
}

TEST(HelpWindowTest, OpensSectionsGoesBackAndForwardAndSearchesEveryPage) {
    HelpWindow window;
    window.show();
    EXPECT_EQ(window.currentSection(), "index");
    window.showSection(QStringLiteral("statistics#critical"));
    EXPECT_EQ(window.currentSection(), "statistics#critical");
    EXPECT_EQ(child<QListWidget>(window, "contents").currentItem()->text().toStdString(), "Statistics");
    window.showSection(QStringLiteral("no-such-page"));
    EXPECT_EQ(window.currentSection(), "index");

    QToolButton& back = child<QToolButton>(window, "backButton");
    QToolButton& forward = child<QToolButton>(window, "forwardButton");
    QTest::mouseClick(&back, Qt::LeftButton);
    EXPECT_EQ(window.currentSection(), "statistics#critical");
    EXPECT_TRUE(forward.isEnabled());
    QTest::mouseClick(&forward, Qt::LeftButton);
    EXPECT_EQ(window.currentSection(), "index");

    // A word on another page: that page opens with the word selected.
    EXPECT_TRUE(window.find(QStringLiteral("Simpson")));
    EXPECT_EQ(window.currentSection(), "calculus");
    QTextBrowser& page = child<QTextBrowser>(window, "page");
    EXPECT_EQ(page.textCursor().selectedText(), "Simpson");
    EXPECT_FALSE(window.find(QStringLiteral("no such words here")));
    EXPECT_EQ(child<QLabel>(window, "searchStatus").text(), "Not found");
    EXPECT_EQ(window.currentSection(), "calculus");
}

TEST_F(MainFrameTest, HelpAboutAndTipsAnswerTheirMenuItemsAndKeys) {
    auto* module = dynamic_cast<HelpWindows*>(frame->moduleFor(command::kHelp));
    ASSERT_NE(module, nullptr);

    QTest::keyClick(frame.get(), Qt::Key_F1);
    ASSERT_NE(module->helpWindow(), nullptr);
    EXPECT_TRUE(module->helpWindow()->isVisible());
    EXPECT_EQ(module->helpWindow()->currentSection(), "index");
    frame->showHelp("matrices#vectors");
    EXPECT_EQ(module->helpWindow()->currentSection(), "matrices#vectors");

    frame->menus().action(command::kAbout)->trigger();
    ASSERT_NE(module->aboutBox(), nullptr);
    EXPECT_TRUE(module->aboutBox()->isVisible());
    EXPECT_TRUE(module->aboutBox()->isModal());
    // The automaton outlives the box: evolve, close, reopen.
    QTest::mouseClick(&child<QPushButton>(*module->aboutBox(), "evolveButton"), Qt::LeftButton);
    const QImage evolved = module->aboutBox()->view().grab().toImage();
    QTest::mouseClick(&child<QPushButton>(*module->aboutBox(), "okButton"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(module->aboutBox(), nullptr);
    frame->runCommand(command::kAbout);
    ASSERT_NE(module->aboutBox(), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(module->aboutBox()->view().grab().toImage(), evolved);
    module->aboutBox()->close();

    frame->menus().action(command::kTipOfTheDay)->trigger();
    ASSERT_NE(module->tipWindow(), nullptr);
    EXPECT_TRUE(module->tipWindow()->isVisible());
    EXPECT_EQ(module->tipWindow()->tipText().toStdString(), tip(1));
}

}  // namespace
}  // namespace orrery::testing
