#pragma once

#include <QRect>
#include <array>
#include <functional>

#include "common/qt/print_job.h"

class QPainter;
class QWidget;

namespace orrery {

class DialogService;
class GraphPainter;
class GraphView;
class MessageService;

// What is printed: the graph, a statistics window, or a linear-algebra
// window. The numbers are those the windows have always used.
enum class PrintKind { Graph = 0, Normal = 1, ChiSquare = 2, F = 3, T = 4, Matrices = 5, Vectors = 6 };

// A window's view drawn on one printed page. The painter's origin is the
// corner of the printable area; `page` is its size in device pixels.
using PagePainter = std::function<void(QPainter& painter, const QRect& page)>;

// The graph on a page: curves shown, the picture composed at the page's size.
// A printer has many more pixels to the inch than a screen, so the picture is
// drawn at the screen's scale and magnified, keeping labels and pens legible.
PagePainter graphPagePainter(GraphView& view, GraphPainter& painter);

// Printing of one page of a view, by kind: each kind has its window's page
// painter. The graph's is set by the frame; the other windows set theirs.
class PrintView {
public:
    PrintView(DialogService& dialogs, MessageService& messages);

    void setPagePainter(PrintKind kind, PagePainter painter);

    // The print dialog, then the page, in a job named by the owner window's
    // title; the owner is disabled meanwhile. A printer that does not start
    // gets the printer message. A kind without a painter prints nothing.
    PrintOutcome print(QWidget& owner, PrintKind kind);

private:
    DialogService& dialogs_;
    MessageService& messages_;
    std::array<PagePainter, 7> painters_;
};

}  // namespace orrery
