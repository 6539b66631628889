#include "common/qt/print_run.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {
namespace {

// The box beside a running print job. It has no parent: a child of the
// disabled owner would be disabled too, and its Cancel could not be pressed.
class CancelPrintingBox : public QDialog {
public:
    CancelPrintingBox(const QString& title, QWidget* owner) : QDialog(nullptr) {
        setObjectName(QStringLiteral("PrintDlgBox"));
        setWindowTitle(title);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Cancel Printing"), this), 0, Qt::AlignHCenter);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
        layout->addWidget(cancel, 0, Qt::AlignHCenter);
        connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
        adjustSize();
        if (owner) move(owner->frameGeometry().center() - rect().center());
    }
    bool cancelled() const { return cancelled_; }

protected:
    void reject() override { cancelled_ = true; }  // Escape and the close box cancel too

private:
    bool cancelled_ = false;
};

}  // namespace

PrintOutcome printPages(QPrinter& printer, const PrintJob& job, QWidget* owner) {
    QPainter painter;
    if (!painter.begin(&printer)) return PrintOutcome::Failed;
    if (owner) owner->setEnabled(false);
    CancelPrintingBox box(QString::fromStdString(job.title), owner);
    box.show();
    QApplication::processEvents();

    // The painter's origin is the corner of the printable area.
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PrintOutcome outcome = PrintOutcome::Printed;
    for (int index = 0; index < job.pages; ++index) {
        if (index > 0 && !printer.newPage()) {
            outcome = PrintOutcome::Failed;
            break;
        }
        job.paintPage(painter, page, index);
        // Events reach the box between pages: Cancel ends the job here.
        QApplication::processEvents();
        if (box.cancelled()) {
            if (index + 1 < job.pages) outcome = PrintOutcome::Cancelled;
            break;
        }
    }
    if (!painter.end() && outcome == PrintOutcome::Printed) outcome = PrintOutcome::Failed;
    box.hide();
    if (owner) owner->setEnabled(true);
    return outcome;
}

}  // namespace orrery
