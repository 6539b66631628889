#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "graphing/analysis_report.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace orrery {

class DialogService;
class GraphWidget;
class MessageService;
class ResultMarkers;

// "Analysis": the zeros, extrema (with the end values) or intersections of a
// chosen curve over an interval, listed with 17 significant digits and marked
// on the graph. Clicking a result moves the coordinate read-out to it; Copy
// puts the list on the clipboard. Modeless: the graph stays usable.
//
// Controls by object name: searchCombo, curveCombo, secondCombo, fromEdit,
// toEdit, findButton, resultList, copyButton, closeButton.
class AnalysisWindow : public QDialog {
    Q_OBJECT

public:
    AnalysisWindow(GraphWidget& graph, MessageService& messages, DialogService& dialogs,
                   QWidget* parent = nullptr);
    ~AnalysisWindow() override;

    // Reads the curves again (their texts and the current one) and proposes
    // the current curve's visible interval.
    void refresh();
    const std::vector<AnalysisResult>& results() const { return results_; }
    ResultMarkers* markers() const;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void find();
    void proposeInterval();
    void resultClicked(int row);

    GraphWidget& graph_;
    MessageService& messages_;
    DialogService& dialogs_;
    QPointer<ResultMarkers> markers_;  // a child of the graph window, which may go first
    QComboBox* search_;
    QComboBox* curve_;
    QComboBox* second_;
    QLineEdit* from_;
    QLineEdit* to_;
    QListWidget* list_;
    std::vector<AnalysisResult> results_;
};

}  // namespace orrery
