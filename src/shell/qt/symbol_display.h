#pragma once

#include <QFont>
#include <QWidget>
#include <vector>

#include "shell/symbol_layout.h"

namespace orrery {

class CalculatorInput;
class GraphView;

// The current curve's expression as coloured text with a box cursor, two
// lines at a time. A left click puts the cursor on the key under the mouse.
class SymbolDisplay : public QWidget {
    Q_OBJECT
  public:
    SymbolDisplay(CalculatorInput& input, GraphView& view, QWidget* parent = nullptr);

    // Lays the current curve out again and repaints.
    void refresh();

    // The first key of every display line (Up and Down move by these).
    const std::vector<int>& lineStarts() const { return layout_.lineStarts(); }
    const SymbolLayout& symbolLayout() const { return layout_; }
    QFont symbolFont() const;
    // The vertical centre of visible row 0 or 1.
    int rowCentre(int row) const;

    // The expression as plain text for assistive technology: the keys'
    // text forms, a space between keys except inside a number, and the
    // character offset of the cursor.
    struct ExpressionText {
        QString text;
        int cursor = 0;
    };
    ExpressionText expressionText() const;

  signals:
    void focusReturned();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void relayout();
    void showReading();

    CalculatorInput& input_;
    GraphView& view_;
    SymbolLayout layout_;
    std::vector<int> readKeys_;  // the curve and keys the tooltip's reading is of
};

}  // namespace orrery
