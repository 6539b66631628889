#include "shell/qt/print_view.h"

#include <QPaintDevice>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "common/qt/dialog_service.h"
#include "common/qt/message_service.h"
#include "graphing/graph_view.h"
#include "graphing/qt/graph_painter.h"

namespace orrery {
namespace {

constexpr int kScreenPixelsPerInch = 96;

std::size_t slot(PrintKind kind) { return static_cast<std::size_t>(kind); }

}  // namespace

PagePainter graphPagePainter(GraphView& view, GraphPainter& graph) {
    return [&view, &graph](QPainter& painter, const QRect& page) {
        const int dpi = painter.device() ? painter.device()->logicalDpiY() : kScreenPixelsPerInch;
        const double scale = std::max(1.0, static_cast<double>(dpi) / kScreenPixelsPerInch);
        const int width = std::max(1, static_cast<int>(page.width() / scale));
        const int height = std::max(1, static_cast<int>(page.height() / scale));
        view.setCurvesShown(true);
        painter.save();
        painter.translate(page.topLeft());
        painter.scale(scale, scale);
        graph.paint(painter, view, width, height);
        painter.restore();
    };
}

PrintView::PrintView(DialogService& dialogs, MessageService& messages)
    : dialogs_(dialogs), messages_(messages) {}

void PrintView::setPagePainter(PrintKind kind, PagePainter painter) {
    if (slot(kind) < painters_.size()) painters_[slot(kind)] = std::move(painter);
}

PrintOutcome PrintView::print(QWidget& owner, PrintKind kind) {
    if (slot(kind) >= painters_.size() || !painters_[slot(kind)]) return PrintOutcome::Cancelled;
    const PagePainter& page = painters_[slot(kind)];
    PrintJob job;
    job.title = owner.windowTitle().toStdString();
    job.pages = 1;
    job.paintPage = [&page](QPainter& painter, const QRect& rect, int) { page(painter, rect); };
    const PrintOutcome outcome = dialogs_.print(job);
    if (outcome == PrintOutcome::Failed) messages_.show(printerErrorMessage());
    return outcome;
}

}  // namespace orrery
