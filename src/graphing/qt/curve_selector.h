#pragma once

#include <QWidget>

class QLineEdit;
class QScrollBar;

namespace orrery {

class CurveSet;

// Picks one curve of the set with a small vertical scroll bar: its up arrow
// (and page up) selects the next curve, never beyond the last; its down
// arrow the previous one, never below the first. The selected curve's number
// (index + 1) and its expression are shown read-only beside it.
//
// Controls by object name: curveScroll, curveNumber, curveExpression.
class CurveSelector : public QWidget {
    Q_OBJECT

public:
    CurveSelector(const CurveSet& curves, int selected, QWidget* parent = nullptr);

    int selected() const { return selected_; }

signals:
    void selectionChanged(int index);

private:
    void scrolled(int value);
    void display(int index);

    const CurveSet& curves_;
    int selected_ = 0;
    QScrollBar* scroll_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLineEdit* expression_ = nullptr;
};

// A curve's expression as the symbol display writes it, key by key.
QString expressionText(const CurveSet& curves, int index);

}  // namespace orrery
