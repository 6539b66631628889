#pragma once

#include <array>

#include "graphing/qt/appearance_page.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QSlider;

namespace orrery {

class CurveSelector;
class CurveSet;
class GraphSettings;

// "Curve Look": the number of points (2 - 500), the line thickness (1 - 10)
// and style of the selected curve, each with its "All Curves" box, and the
// axes. Every change goes straight into the working copy.
//
// Controls by object name: pointsBar, pointsField, pointsAll, thicknessSlider,
// thicknessField, thicknessAll, styleSolid, styleDash, styleDashDot,
// styleDashDoubleDot, styleAll, curveSelector, axesNone, axesCartesian,
// axesBoxed.
class CurveLookPage : public AppearancePage {
    Q_OBJECT

public:
    static constexpr int kMinPoints = 2;
    static constexpr int kMaxPoints = 500;

    CurveLookPage(GraphSettings& working, const CurveSet& curves, QWidget* parent = nullptr);

    void reload() override;

private:
    QWidget* buildPoints();
    QWidget* buildThickness();
    QWidget* buildStyles();
    QWidget* buildAxes();
    int curve() const;
    void pointsTyped(const QString& text);
    void pointsScrolled(int value);
    void thicknessMoved(int value);
    void showStyleRule(bool stylesUsable);
    void allBoxClicked();
    void showLabel();

    GraphSettings& working_;
    QScrollBar* pointsBar_ = nullptr;
    QLineEdit* pointsField_ = nullptr;
    QCheckBox* pointsAll_ = nullptr;
    QSlider* thickness_ = nullptr;
    QLineEdit* thicknessField_ = nullptr;
    QCheckBox* thicknessAll_ = nullptr;
    QButtonGroup* styles_ = nullptr;
    QCheckBox* stylesAll_ = nullptr;
    QButtonGroup* axes_ = nullptr;
    CurveSelector* selector_ = nullptr;
};

}  // namespace orrery
