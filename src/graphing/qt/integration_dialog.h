#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;
class QListWidget;
class QProgressBar;
class QScrollBar;

namespace orrery {

class CurveSelector;
class FrameHooks;
class GraphView;

// "Approximate Integration with Simpson's Rule.": integrates the selected
// curve over a typed interval. The number of points is the curve's own
// point count made odd; moving the scroll bar (3 to 30001 in steps of 2)
// changes that count in the settings, so the curve is drawn with it too.
//
// Controls by object name: the CurveSelector's, xMinEdit, xMaxEdit,
// pointsScroll, pointsField, progressBar, resultList, calculateButton,
// closeButton.
class IntegrationDialog : public QDialog {
    Q_OBJECT

public:
    IntegrationDialog(GraphView& view, FrameHooks& frame, QWidget* parent = nullptr);

    // Closing redraws the graph when a curve's point count was changed.
    void done(int result) override;

private:
    QWidget* buildPointsBox();
    void load(int index);
    void pointsScrolled(int value);
    void showPoints();
    void calculate();

    GraphView& view_;
    FrameHooks& frame_;
    bool pointsChanged_ = false;
    double a_ = 0.0;
    double b_ = 0.0;
    std::int32_t n_ = 3;
    bool loading_ = false;
    CurveSelector* selector_ = nullptr;
    QLineEdit* xMinEdit_ = nullptr;
    QLineEdit* xMaxEdit_ = nullptr;
    QScrollBar* pointsScroll_ = nullptr;
    QLineEdit* pointsField_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QListWidget* results_ = nullptr;
};

}  // namespace orrery
