// The Analysis and Table of Values windows driven as a user drives them, over
// a real graph window: the fields, the result list, the markers drawn on the
// graph, the coordinate read-out, the clipboard and the saved file.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "common/c_numeric.h"
#include "common/qt/frame_hooks.h"
#include "graph_fixture.h"
#include "graphing/qt/analysis_window.h"
#include "graphing/qt/analysis_windows.h"
#include "graphing/qt/table_window.h"
#include "graphing/qt/value_table_model.h"
#include "shell/command_ids.h"
#include "support/recording_services.h"

namespace orrery::testing {
namespace {

class QuietFrame : public FrameHooks {
public:
    QWidget* frameWindow() override { return nullptr; }
    void runCommand(int) override {}
    void setMenuState(int) override {}
    void redrawAll() override {}
    void settingsChanged() override {}
    bool typeCharacters(const std::u32string&) override { return true; }
};

class AnalysisWindowsTest : public GraphFixture {
protected:
    RecordingMessageService messages;
    ScriptedDialogService dialogs;
    QuietFrame frame;
    AnalysisWindows module{widget, messages, dialogs, frame};

    void curves(const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (i > 0) view.curves().addCurve(settings, view.range(), false);
            view.curves().current().tokens = typeText(texts[i], {}, true).tokens;
        }
        view.curves().setCurrentIndex(0);
    }
    template <typename T>
    T* child(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(QWidget* window, const char* name) { QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton); }
    void set(QWidget* window, const char* name, const char* text) { child<QLineEdit>(window, name)->setText(text); }
    std::string lastMessage() { return messages.shown.empty() ? "" : messages.shown.back().text; }
};

TEST_F(AnalysisWindowsTest, AnalysisListsMarksAndReadsOutResults) {
    curves({"x^2-2", "x", ""});
    widget.show();
    widget.sketch();
    module.run(command::kAnalysis);
    AnalysisWindow* window = module.analysisWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(child<QLineEdit>(window, "fromEdit")->text(), "-5");
    EXPECT_EQ(child<QLineEdit>(window, "toEdit")->text(), "5");

    const QColor ink = toQColor(settings.labelColor);
    const QRect atRoot(276 - 7, 220 - 7, 15, 15);  // x = √2 on the 440-pixel graph, y = 0
    EXPECT_EQ(countNear(shot(), atRoot, ink), 0);
    click(window, "findButton");
    auto* list = child<QListWidget>(window, "resultList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text().left(36), "2. Zero         x = 1.41421356237309");
    EXPECT_GT(countNear(shot(), atRoot, ink), 8);

    std::vector<std::string> readOut;
    QObject::connect(&widget, &GraphWidget::statusTexts, [&](const std::vector<std::string>& t) { readOut = t; });
    list->setCurrentRow(1);
    ASSERT_EQ(readOut.size(), 3u);
    EXPECT_EQ(readOut[0], " x = 1.4142");
    EXPECT_TRUE(readOut[1].ends_with(" 0.0000") || readOut[1].ends_with("-0.0000")) << readOut[1];
    click(window, "copyButton");
    EXPECT_EQ(std::count(dialogs.clipboard.begin(), dialogs.clipboard.end(), '\n'), 2);
    EXPECT_EQ(dialogs.clipboard.substr(0, 38), "1. Zero         x = -1.414213562373095");

    // Every search kind, and what the window itself refuses.
    struct Search {
        int search;
        int second;
        const char* from;
        std::vector<std::string> kinds;
        std::string message;
    };
    const Search searches[] = {
        {1, 1, "-5", {"End", "Minimum", "End"}, ""},
        {2, 1, "-5", {"Intersection", "Intersection"}, ""},
        {2, 0, "-5", {}, "Please choose two different curves to intersect."},
        {2, 2, "-5", {}, "Curve 3 has no expression."},
        {0, 1, "abc", {}, "Please enter a number in From x and To x."},
    };
    for (const Search& s : searches) {
        messages.shown.clear();
        child<QComboBox>(window, "searchCombo")->setCurrentIndex(s.search);
        child<QComboBox>(window, "secondCombo")->setCurrentIndex(s.second);
        set(window, "fromEdit", s.from);
        click(window, "findButton");
        EXPECT_EQ(lastMessage(), s.message) << s.search << s.from;
        if (!s.message.empty()) continue;
        ASSERT_EQ(window->results().size(), s.kinds.size()) << s.search;
        for (std::size_t i = 0; i < s.kinds.size(); ++i) EXPECT_EQ(window->results()[i].kind, s.kinds[i]);
    }
    EXPECT_DOUBLE_EQ(window->results()[1].x, 2.0);  // x² − 2 = x at −1 and 2

    // Closing takes the markers off the graph.
    click(window, "closeButton");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(countNear(shot(), atRoot, ink), 0);
}

TEST_F(AnalysisWindowsTest, TableListsComputesLazilyCopiesAndSaves) {
    curves({"sqrt(x)", "x^2", ""});
    module.run(command::kTableOfValues);
    TableWindow* window = module.tableWindow();
    ASSERT_NE(window, nullptr);
    auto* curveList = child<QListWidget>(window, "curveList");
    ASSERT_EQ(curveList->count(), 3);
    EXPECT_EQ(curveList->item(2)->checkState(), Qt::Unchecked);  // no expression
    click(window, "showButton");
    ValueTableModel& model = window->model();
    ASSERT_EQ(model.rowCount(), 11);
    ASSERT_EQ(model.columnCount(), 3);
    auto cell = [&](int row, int column) { return model.index(row, column).data().toString().toStdString(); };
    EXPECT_EQ(cell(4, 0), "-1");
    EXPECT_EQ(cell(4, 1), "");  // sqrt(−1) has no value
    EXPECT_EQ(cell(9, 1), "2");
    EXPECT_EQ(cell(9, 2), "16");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "y2");

    // The largest table: only the blocks asked for are computed.
    set(window, "stepEdit", "0.001");
    set(window, "countEdit", "100000");
    click(window, "showButton");
    ASSERT_EQ(model.rowCount(), 100000);
    EXPECT_LE(model.blocksComputed(), 1u);
    EXPECT_EQ(cell(99999, 2), formatC("%.17g", (-5 + 99999 * 0.001) * (-5 + 99999 * 0.001)));
    EXPECT_LE(model.blocksComputed(), 2u);

    set(window, "countEdit", "3");
    click(window, "copyButton");
    EXPECT_EQ(dialogs.clipboard, "x,y1,y2\n-5,,25\n-4.9989999999999997,,24.990000999999996\n"
                                 "-4.9980000000000002,,24.980004000000001\n");

    QTemporaryDir folder;
    const std::string path = QDir(folder.path()).filePath("table.csv").toStdString();
    dialogs.paths = {path, folder.path().toStdString() + "/missing/table.csv"};
    click(window, "saveButton");
    QFile saved(QString::fromStdString(path));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), dialogs.clipboard);
    EXPECT_TRUE(messages.shown.empty());
    click(window, "saveButton");
    EXPECT_EQ(lastMessage(), "Could not write the file " + folder.path().toStdString() + "/missing/table.csv.");

    // The window's own refusals; the range's are the table's.
    struct Refusal {
        const char* step;
        const char* count;
        bool anyCurve;
        std::string message;
    };
    const Refusal refusals[] = {
        {"x", "3", true, "Please enter numbers in Start x and Step."},
        {"1", "2.5", true, "The number of rows needs to be from 1 to 100000."},
        {"1", "3", false, "Please check at least one curve."},
    };
    for (const Refusal& r : refusals) {
        set(window, "stepEdit", r.step);
        set(window, "countEdit", r.count);
        for (int i = 0; i < 2; ++i) curveList->item(i)->setCheckState(r.anyCurve ? Qt::Checked : Qt::Unchecked);
        click(window, "showButton");
        EXPECT_EQ(lastMessage(), r.message) << r.step << " " << r.count;
        EXPECT_EQ(model.rowCount(), 3);  // the table shown before stays
    }
}

}  // namespace
}  // namespace orrery::testing
