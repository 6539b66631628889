#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QGroupBox;
class QLabel;
class QScrollBar;

namespace orrery {

class CurveSet;
struct Curve;

// Chooses a curve: a small vertical scroll bar whose up arrow goes to the
// next curve (never beyond the last) and down arrow to the previous one, the
// curve's number (index + 1) and a read-only label, by default the text of
// the curve's expression. Disabled with a single curve.
//
// Controls by object name: curveSelector (itself), curveBar, curveNumber,
// curveLabel.
class CurveSelector : public QWidget {
    Q_OBJECT

public:
    explicit CurveSelector(QWidget* parent = nullptr);

    // The expression texts of the curves, and the one selected.
    void setCurves(std::vector<QString> texts, int selected);
    // The curves of the set, the current one selected.
    void setCurves(const CurveSet& curves);
    // Places the selector in a "Select Curve" group of `parent`.
    QGroupBox* inGroup(QWidget* parent);
    int selected() const { return selected_; }
    int count() const { return static_cast<int>(texts_.size()); }
    // Selects without asking the guard or signalling.
    void setSelected(int index);
    // Asked before the selection moves; false keeps it where it is.
    void setGuard(std::function<bool(int)> guard) { guard_ = std::move(guard); }
    // A text in place of the expression (such as "Same Options for all
    // curves"); an empty text brings the expression back.
    void setLabelOverride(const QString& text);
    QString labelText() const;

    // The text of a curve's expression, key by key.
    static QString expressionText(const Curve& curve);

signals:
    void selectionChanged(int index);

private:
    void barMoved(int value);
    void display(int index);
    int valueOf(int index) const { return count() - 1 - index; }

    QScrollBar* bar_;
    QLabel* number_;
    QLabel* label_;
    std::vector<QString> texts_;
    QString override_;
    int selected_ = 0;
    std::function<bool(int)> guard_;
};

}  // namespace orrery
