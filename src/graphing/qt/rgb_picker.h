#pragma once

#include <array>

#include "common/color_ref.h"
#include "graphing/color_ref.h"
#include "graphing/qt/appearance_page.h"

class QLineEdit;
class QScrollBar;

namespace orrery {

class CurveSet;
class CurveSelector;
class DialogService;
class GraphSettings;

// One colour of the settings, of one kind, picked by its red, green and blue
// parts (three 0 to 255 scroll bars with their values and a sample). Every
// change is stored in the working copy at once. Curve and data-point colours
// add a curve selector. "More…" offers the desktop's colour dialog on the
// same colour, for a colour known by name or number.
//
// Controls by object name: redBar, greenBar, blueBar, redValue, greenValue,
// blueValue, sample, moreButton, curveSelector (per-curve kinds only).
class RgbPicker : public AppearancePage {
    Q_OBJECT

public:
    RgbPicker(GraphSettings& working, ColorKind kind, const CurveSet& curves, DialogService& dialogs,
              QString statusText, QWidget* parent = nullptr);

    void reload() override;
    QString statusText() const override { return status_; }

    ColorKind kind() const { return kind_; }
    ColorRef color() const;
    int curve() const;

private:
    void scrolled();
    void chooseMore();
    void showColor(ColorRef color);

    GraphSettings& working_;
    ColorKind kind_;
    DialogService& dialogs_;
    QString status_;
    std::array<QScrollBar*, 3> bars_{};
    std::array<QLineEdit*, 3> values_{};
    QWidget* sample_ = nullptr;
    CurveSelector* selector_ = nullptr;
};

}  // namespace orrery
