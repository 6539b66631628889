#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/qt/print_run.h"
#include "common/qt/qt_dialog_service.h"

namespace orrery {
namespace {

// Where no printer exists the job goes to a PDF file the person names.
bool choosePrinter(QPrinter& printer, QWidget* parent) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Print to PDF File"),
                                                          QString(), QStringLiteral("PDF (*.pdf *.PDF)"));
        if (path.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                                      ? path
                                      : path + QStringLiteral(".pdf"));
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

PrintOutcome QtDialogService::print(const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(job.title));
    printer.setCopyCount(1);
    if (!choosePrinter(printer, parent_)) return PrintOutcome::Cancelled;
    return printPages(printer, job, parent_);
}

}  // namespace orrery
