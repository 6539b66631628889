#pragma once

#include <array>
#include <string>
#include <vector>

#include "graphing/curve_limits.h"
#include "graphing/qt/appearance_page.h"

class QCheckBox;
class QLineEdit;

namespace orrery {

class CurveSelector;
class GraphSettings;
class GraphView;
class MessageService;
struct LimitValidation;

// "Domains/Range": the selected curve's X min, X max, Y min and Y max, and
// "Domains of all curves identical". Each field that reads as a number is
// stored in the working copy as it is typed; the fields are checked before
// the selection moves, when the box is checked and before an apply, and a
// refusal keeps the page as it is with the fields put right. Put right means
// the limits last accepted: the half-typed ones stored on the way are never
// what a refusal goes back to.
//
// Controls by object name: xMinField, xMaxField, yMinField, yMaxField,
// allLimitsBox, curveSelector.
class DomainsRangePage : public AppearancePage {
    Q_OBJECT

public:
    // view: the live curves, range and label formats that an apply reaches.
    DomainsRangePage(GraphSettings& working, GraphView& view, MessageService& messages, QWidget* parent = nullptr);

    void reload() override;
    bool commit() override;
    void applied() override;

private:
    std::array<std::string, 4> fieldTexts() const;
    bool validate(bool all);
    void showOutcome(const LimitValidation& result);
    void fieldEdited(int which, const QString& text);
    void boxClicked(bool checked);
    void showLabel();

    GraphSettings& working_;
    GraphView& view_;
    MessageService& messages_;
    std::array<QLineEdit*, 4> fields_{};
    QCheckBox* all_ = nullptr;
    CurveSelector* selector_ = nullptr;
    CurveLimits validated_;
    std::vector<CurveLimits> accepted_;  // the working limits last shown or accepted
};

}  // namespace orrery
