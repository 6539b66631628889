#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "common/qt/print_run.h"
#include "support/pdf_pages.h"

namespace orrery {
namespace {

QWidget* cancelBox() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("PrintDlgBox") && window->isVisible()) return window;
    return nullptr;
}

// Three pages to a PDF file; `cancelOn` presses Cancel while that page is
// drawn (-1: never).
struct Printed {
    PrintOutcome outcome;
    int pagesDrawn;
    std::size_t pagesInFile;
    bool ownerDisabledMeanwhile;
    bool cancelUsable;
};

Printed printThree(int cancelOn, const QString& file) {
    QWidget owner;
    owner.show();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    Printed result{PrintOutcome::Failed, 0, 0, true, true};
    PrintJob job{"Orrery_742 - test", 3, [&](QPainter& painter, const QRect& page, int index) {
                     ++result.pagesDrawn;
                     result.ownerDisabledMeanwhile = result.ownerDisabledMeanwhile && !owner.isEnabled();
                     painter.fillRect(page.adjusted(100, 100, -100, -100), Qt::black);
                     if (index != cancelOn) return;
                     QWidget* box = cancelBox();
                     QPushButton* cancel = box ? box->findChild<QPushButton*>() : nullptr;
                     result.cancelUsable = cancel && cancel->isEnabled() && box->isEnabled();
                     if (cancel) QTest::mouseClick(cancel, Qt::LeftButton);
                 }};
    result.outcome = printPages(printer, job, &owner);
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(cancelBox(), nullptr);
    result.pagesInFile = testing::pdfPageCount(testing::readFileBytes(file.toStdString()));
    return result;
}

TEST(PrintRun, PagesUntilCancelWithTheOwnerDisabledMeanwhile) {
    QTemporaryDir dir;
    struct Case {
        int cancelOn;
        PrintOutcome outcome;
        int pages;
    };
    for (const Case& c : {Case{-1, PrintOutcome::Printed, 3}, Case{0, PrintOutcome::Cancelled, 1},
                          Case{2, PrintOutcome::Printed, 3}}) {
        const Printed printed = printThree(c.cancelOn, dir.filePath(QString("job%1.pdf").arg(c.cancelOn)));
        EXPECT_EQ(printed.outcome, c.outcome) << c.cancelOn;
        EXPECT_EQ(printed.pagesDrawn, c.pages) << c.cancelOn;
        EXPECT_EQ(printed.pagesInFile, static_cast<std::size_t>(c.pages)) << c.cancelOn;
        EXPECT_TRUE(printed.ownerDisabledMeanwhile) << c.cancelOn;
        EXPECT_TRUE(printed.cancelUsable) << c.cancelOn;
    }
}

TEST(PrintRun, APrinterThatDoesNotStartFailsWithoutDrawing) {
    QTemporaryDir dir;
    const Printed printed = printThree(-1, dir.filePath("missing/job.pdf"));
    EXPECT_EQ(printed.outcome, PrintOutcome::Failed);
    EXPECT_EQ(printed.pagesDrawn, 0);
}

}  // namespace
}  // namespace orrery
