#pragma once

#include <QAbstractButton>

#include "graphing/graph_text.h"

namespace orrery {

// One of the Graph Text dialog's four arrow buttons, painted by us.
class NudgeButton : public QAbstractButton {
    Q_OBJECT

public:
    NudgeButton(NudgeDirection direction, QWidget* parent = nullptr);
    NudgeDirection direction() const { return direction_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    NudgeDirection direction_;
};

}  // namespace orrery
