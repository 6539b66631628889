#pragma once

#include <QAbstractButton>

namespace orrery {

// "Back to the Calculator": a button of the graph window, painted by us with
// a small calculator and its caption. It never takes the keyboard focus.
class BackButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit BackButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hovered_ = false;
};

}  // namespace orrery
