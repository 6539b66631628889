#include "linear_algebra/qt/cell_grid.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace orrery {

CellGrid::CellGrid(const QString& name, bool readOnly, QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    // The cells keep together at the top centre instead of spreading over the width.
    layout->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    for (int k = 0; k < kSide * kSide; ++k) {
        auto* cell = new QLineEdit(this);
        cell->setObjectName(name + QString::number(k));
        cell->setReadOnly(readOnly);
        cell->setAlignment(Qt::AlignRight);
        cell->setMinimumWidth(24);
        cell->setMaximumWidth(90);
        cell->installEventFilter(this);
        cell->hide();
        cells_.push_back(cell);
    }
    setShape(0, 0);
}

void CellGrid::setShape(int rows, int cols) {
    rows_ = std::clamp(rows, 0, kSide);
    cols_ = std::clamp(cols, 0, kSide);
    auto* grid = static_cast<QGridLayout*>(layout());
    for (int k = 0; k < kSide * kSide; ++k) {
        QLineEdit* c = cells_[static_cast<std::size_t>(k)];
        const bool shown = cols_ > 0 && k < rows_ * cols_;
        grid->removeWidget(c);
        if (shown) grid->addWidget(c, k / cols_, k % cols_);
        c->setVisible(shown);
    }
    updateGeometry();
}

std::vector<std::string> CellGrid::texts() const {
    std::vector<std::string> out;
    for (int k = 0; k < rows_ * cols_; ++k) out.push_back(cell(k)->text().toStdString());
    return out;
}

void CellGrid::setTexts(const std::vector<std::string>& texts) {
    for (std::size_t k = 0; k < texts.size() && k < cells_.size(); ++k)
        cells_[k]->setText(QString::fromStdString(texts[k]));
}

void CellGrid::fill(const QString& text) {
    for (int k = 0; k < rows_ * cols_; ++k) cell(k)->setText(text);
}

void CellGrid::clear() {
    for (int k = 0; k < rows_ * cols_; ++k) cell(k)->clear();
}

void CellGrid::focusSlot(int slot) {
    if (slot >= 0 && slot < rows_ * cols_) cell(slot)->setFocus(Qt::OtherFocusReason);
}

int CellGrid::slotOf(QObject* widget) const {
    const auto it = std::find(cells_.begin(), cells_.end(), widget);
    return it == cells_.end() ? -1 : static_cast<int>(it - cells_.begin());
}

bool CellGrid::focusNextPrevChild(bool next) {
    const int count = rows_ * cols_;
    const int slot = slotOf(focusWidget());
    if (slot < 0 || count == 0) return QWidget::focusNextPrevChild(next);
    focusSlot((slot + (next ? 1 : count - 1)) % count);
    return true;
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int slot = slotOf(watched);
        if (slot >= 0 && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            const int target = slot + (key == Qt::Key_Up ? -cols_ : cols_);
            if (target >= 0 && target < rows_ * cols_) focusSlot(target);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orrery
