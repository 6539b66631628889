#pragma once

// A Matrices or Vectors window wired to recording services, with helpers to
// choose sizes, type into cells, press buttons and menu items by name.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "linear_algebra/qt/cell_grid.h"
#include "support/recording_services.h"

namespace orrery::testing {

template <typename Window>
class WorkbenchTest : public ::testing::Test {
protected:
    RecordingMessageService messages;
    ScriptedDialogService dialogs;
    std::unique_ptr<Window> window;

    void SetUp() override {
        window = std::make_unique<Window>(messages, dialogs);
        window->resize(1000, 750);
        window->show();
        QApplication::processEvents();
    }

    template <typename T = QWidget>
    T* child(const QString& name) {
        T* found = window->template findChild<T*>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }

    void click(const QString& name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

    void setText(const QString& name, const QString& text) { child<QLineEdit>(name)->setText(text); }

    void typeCells(CellGrid& grid, const std::vector<QString>& texts) {
        for (std::size_t k = 0; k < texts.size(); ++k) grid.cell(static_cast<int>(k))->setText(texts[k]);
    }

    std::vector<std::string> texts(CellGrid& grid) { return grid.texts(); }

    // A menu item of the window's menu bar, by its text.
    void trigger(const QString& text) {
        for (QAction* menu : window->menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == text) return item->trigger();
        ADD_FAILURE() << "no menu item " << text.toStdString();
    }
};

}  // namespace orrery::testing
