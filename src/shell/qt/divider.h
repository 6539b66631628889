#pragma once

#include <QWidget>

namespace orrery {

// The bar between calculator and graph. Dragging it shows a thin line where
// it will land; letting go reports how far it moved.
class Divider : public QWidget {
    Q_OBJECT
public:
    explicit Divider(QWidget* parent = nullptr);

signals:
    void dropped(int dx);
    void focusReturned();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool dragging_ = false;
    int start_ = 0;
    QWidget* feedback_ = nullptr;  // the line that follows the mouse
};

}  // namespace orrery
