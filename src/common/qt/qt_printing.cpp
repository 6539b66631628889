#include <QApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include "common/qt/qt_dialog_service.h"

namespace orrery {
namespace {

// Where no printer exists the job goes to a PDF file the person names.
bool choosePrinter(QPrinter& printer, QWidget* parent) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Print to PDF File"),
                                                          QString(), QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                                      ? path
                                      : path + QStringLiteral(".pdf"));
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

PrintOutcome QtDialogService::print(const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(job.title));
    if (!choosePrinter(printer, parent_)) return PrintOutcome::Cancelled;

    QPainter painter;
    if (!painter.begin(&printer)) return PrintOutcome::Failed;

    // The owner is disabled while printing; the progress box offers Cancel,
    // which stops after the current page.
    if (parent_) parent_->setEnabled(false);
    QProgressDialog progress(QStringLiteral("Printing..."), QStringLiteral("Cancel Printing"), 0,
                             job.pages, parent_);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    // The painter's origin is the corner of the printable area.
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PrintOutcome outcome = PrintOutcome::Printed;
    for (int index = 0; index < job.pages; ++index) {
        if (index > 0) printer.newPage();
        job.paintPage(painter, page, index);
        progress.setValue(index + 1);
        QApplication::processEvents();
        if (progress.wasCanceled()) {
            outcome = PrintOutcome::Cancelled;
            break;
        }
    }
    if (!painter.end() && outcome == PrintOutcome::Printed) outcome = PrintOutcome::Failed;
    if (parent_) parent_->setEnabled(true);
    return outcome;
}

}  // namespace orrery
