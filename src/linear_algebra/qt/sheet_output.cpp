#include "linear_algebra/qt/sheet_output.h"

#include <QPainter>

#include "common/qt/dialog_service.h"
#include "common/qt/message_service.h"
#include "linear_algebra/qt/sheet_painter.h"

namespace orrery {

void SheetOutput::print(const std::string& title, const SheetPicture& picture) {
    reportProblem(picture);
    PrintJob job;
    job.title = title;
    job.pages = 1;
    // print() paints every page before it returns, so the picture outlives the job.
    job.paintPage = [&picture](QPainter& painter, const QRect& page, int) { SheetPainter(picture).paint(painter, page); };
    if (dialogs_.print(job) == PrintOutcome::Failed)
        messages_.show({"PRINTER ERROR", "Please check that the printer is on and properly connected."});
}

void SheetOutput::copy(const SheetPicture& picture, QSize size) {
    reportProblem(picture);
    dialogs_.setClipboardImage(SheetPainter(picture).image(size));
}

void SheetOutput::help() {
    if (openHelp_) {
        openHelp_();
        return;
    }
    messages_.show({"very soon", "Help coming", MessageIcon::Information});
}

void SheetOutput::reportProblem(const SheetPicture& picture) {
    if (picture.problem) messages_.show(*picture.problem);
}

}  // namespace orrery
