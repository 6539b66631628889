#include "linear_algebra/qt/workbench_window.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "common/qt/message_service.h"
#include "linear_algebra/qt/cell_grid.h"
#include "linear_algebra/qt/sheet_preview_window.h"

namespace orrery {

WorkbenchWindow::WorkbenchWindow(const WorkbenchTexts& texts, MessageService& messages, DialogService& dialogs,
                                 QWidget* parent)
    : QMainWindow(parent, Qt::Window), output_(messages, dialogs), texts_(texts) {
    setWindowTitle(texts.title);
    setObjectName(texts.title);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print"), this, &WorkbenchWindow::print);
    file->addAction(QStringLiteral("&Print Preview"), this, &WorkbenchWindow::preview);
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), this, &QWidget::close);
    menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(texts.copyItem, this, &WorkbenchWindow::copy);
    menuBar()->addMenu(QStringLiteral("&Help"))->addAction(texts.helpItem, this, [this] { output_.help(); });
}

// Keys that no control takes come here: Escape or Ctrl+Break closes.
void WorkbenchWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape ||
        (event->key() == Qt::Key_Pause && event->modifiers().testFlag(Qt::ControlModifier))) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool WorkbenchWindow::pictureReady() { return !refuse(pictureProblem()); }

void WorkbenchWindow::print() {
    if (pictureReady()) output_.print(windowTitle().toStdString(), picture());
}

void WorkbenchWindow::copy() {
    if (pictureReady()) output_.copy(picture(), size());
}

void WorkbenchWindow::preview() {
    if (!pictureReady()) return;
    SheetPicture shown = picture();
    output_.reportProblem(shown);
    // One preview at a time, showing the window as it is now.
    if (preview_) preview_->close();
    auto* window = new SheetPreviewWindow(texts_.previewTitle, texts_.helpItem, std::move(shown), output_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(size());
    window->move(pos());
    window->show();
    preview_ = window;
}

void WorkbenchWindow::setTabCycle(std::vector<QWidget*> controls) {
    cycle_ = std::move(controls);
    if (!cycle_.empty()) cycle_.front()->setFocus(Qt::OtherFocusReason);
}

bool WorkbenchWindow::focusNextPrevChild(bool next) {
    const auto at = std::find(cycle_.begin(), cycle_.end(), focusWidget());
    if (at == cycle_.end()) return QMainWindow::focusNextPrevChild(next);
    // Skip what is hidden or disabled, trying each control at most once.
    const std::size_t n = cycle_.size();
    std::size_t index = static_cast<std::size_t>(at - cycle_.begin());
    for (std::size_t tries = 0; tries < n; ++tries) {
        index = (index + (next ? 1 : n - 1)) % n;
        QWidget* w = cycle_[index];
        if (w->isVisibleTo(this) && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

bool WorkbenchWindow::refuse(const std::optional<UserMessage>& problem) {
    if (problem) output_.messages().show(*problem);
    return problem.has_value();
}

QAbstractButton* WorkbenchWindow::button(const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QComboBox* WorkbenchWindow::sizeCombo(const QString& first, const QString& name) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->addItem(first);
    for (int n = 1; n <= 10; ++n) combo->addItem(QString::number(n));
    return combo;
}

void WorkbenchWindow::focusCell(CellGrid& grid, std::optional<std::size_t> slot) {
    if (slot) grid.focusSlot(static_cast<int>(*slot));
}

int chosenSize(const QComboBox& combo) { return std::max(0, combo.currentIndex()); }

}  // namespace orrery
