#pragma once

#include "common/qt/print_job.h"

class QPrinter;
class QWidget;

namespace orrery {

// Prints every page of the job on a printer that is already chosen and set
// up. The owner is disabled meanwhile, and a "Cancel Printing" box (object
// name "PrintDlgBox") offers Cancel, which stops after the current page.
// Failed when the printer does not start the job or a page cannot begin.
PrintOutcome printPages(QPrinter& printer, const PrintJob& job, QWidget* owner);

}  // namespace orrery
