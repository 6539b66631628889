#pragma once

#include <QLineEdit>

namespace orrery {

class GraphView;

// The value of a constant expression, as selectable read-only text in dark
// green on white. The number of digits follows the width.
class ValueDisplay : public QLineEdit {
    Q_OBJECT
  public:
    explicit ValueDisplay(GraphView& view, QWidget* parent = nullptr);

    // Shows the current curve's value again.
    void refresh();
    int digits() const;
    // A constant value is shown (Copy Result and Paste Result apply).
    bool hasResult() const { return hasResult_; }

  signals:
    void resultAvailable(bool available);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void applyFont();

    GraphView& view_;
    int averageCharWidth_ = 1;
    bool hasResult_ = false;
    bool selectAllOnRelease_ = false;
};

}  // namespace orrery
