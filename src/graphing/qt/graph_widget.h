#pragma once

#include <string>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "common/user_message.h"
#include "graphing/qt/graph_painter.h"

class QAbstractButton;

namespace orrery {

class BackButton;
class DialogService;
class GraphTextDialog;
class GraphView;

// The graph window: shows the picture of the view, reads out clicked
// coordinates, zooms in by a dragged rectangle and out by a double-click,
// and lets the graph text be dragged. Outside the zoom modes the wheel zooms
// about the cursor and a drag of the graph pans it. It reports through signals and never
// shows a message itself; the frame lays out the status texts and menus.
class GraphWidget : public QWidget {
    Q_OBJECT

public:
    explicit GraphWidget(GraphView& view, QWidget* parent = nullptr);
    ~GraphWidget() override;

    GraphView& view() { return *view_; }

    // Sketch: curves are shown from now on; composes at once and returns the
    // refusals of curves for the frame to show, once. Ordinary repaints never
    // report them.
    std::vector<UserMessage> sketch();

    // The picture as an image (the window's size by default), with every
    // curve when allCurves, for the clipboard and export.
    QImage picture(int width = -1, int height = -1, bool allCurves = false);

    // Zoom In and Zoom Out commands: each mode serves one zoom. Starting one
    // ends the other.
    void startZoomIn();
    void startZoomOut();
    bool zoomInMode() const { return zoomInMode_; }
    bool zoomOutMode() const { return zoomOutMode_; }

    // The back-to-the-calculator button in the bottom-right corner; the frame
    // shows it while the graph fills the window.
    QAbstractButton* backButton();
    void setBackButtonVisible(bool visible);

    // The Graph Text command: opens the modeless dialog (or raises the open
    // one) and shows the text. The dialog deletes itself when closed.
    GraphTextDialog* openTextDialog(DialogService& dialogs);
    GraphTextDialog* textDialog() const;

    // The dialog changed the text or its style: repaint and tell the frame.
    void textEdited();

    // Antialiased painting (on by default).
    GraphPainter& painter() { return painter_; }

signals:
    // 3 texts: the coordinate read-out; 2 texts: the two halves of the bar.
    void statusTexts(const std::vector<std::string>& texts);
    void contextMenuRequested(QPoint globalPos);
    void zoomChanged();  // a zoom was done: the range and the history changed
    void textChanged();  // the graph text moved or changed
    void focusReturned();  // after a click: the frame takes the keyboard back
    void backToCalculator();
    // After every picture: the value display repaints (not the graph itself).
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    GraphPicture compose();
    void attach();
    void endZoomModes();
    void placeBackButton();
    bool hitsText(QPoint point) const;

    GraphView* view_;
    GraphPainter painter_;
    QImage composed_;
    bool composedValid_ = false;
    BackButton* backButton_;
    QPointer<GraphTextDialog> textDialog_;

    bool zoomInMode_ = false;
    bool zoomOutMode_ = false;
    bool rubberBandActive_ = false;
    QPoint bandStart_;
    QPoint bandEnd_;
    QPoint lastDrag_;
    bool pressed_ = false;  // a left press that may become a pan
    bool panning_ = false;
    QPoint pressAt_;
};

}  // namespace orrery
