#pragma once

#include <functional>
#include <string>

#include "common/user_message.h"

class QPainter;
class QRect;

namespace orrery {

// What a window hands to the printer: a name for the print queue, the number
// of pages, and a painter of one page onto the printable rectangle (device
// pixels of the printer or of the PDF page).
struct PrintJob {
    std::string title;
    int pages = 1;
    std::function<void(QPainter& painter, const QRect& page, int index)> paintPage;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// What a window shows when the printer does not start a job (Failed).
inline UserMessage printerErrorMessage() {
    return {"PRINTER ERROR", "Please check that the printer is on and properly connected.",
            MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace orrery
