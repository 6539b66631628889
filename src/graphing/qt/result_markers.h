#pragma once

#include <QWidget>
#include <vector>

#include "graphing/analysis_report.h"

namespace orrery {

class GraphView;

// Small numbered rings over the graph window at the Analysis window's
// results, placed as the curve's own samples are. Lies on top of the graph
// window and lets every mouse event through to it.
class ResultMarkers : public QWidget {
    Q_OBJECT

public:
    explicit ResultMarkers(QWidget& graphWindow, const GraphView& view);

    // The results of curve `curveIndex` (zero-based); none hides the markers.
    void show(std::int32_t curveIndex, std::vector<AnalysisResult> results);
    void clear();
    // The result drawn larger, or -1 for none.
    void select(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const GraphView& view_;
    std::int32_t curve_ = 0;
    std::vector<AnalysisResult> results_;
    int selected_ = -1;
};

}  // namespace orrery
