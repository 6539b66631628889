#include "shell/qt/main_frame.h"
#include "statistics/qt/statistics_windows.h"

namespace orrery {

// The subsystems' windows and dialogs, each behind one module. The frame
// forwards them every command it does not answer itself; a module's commands
// are greyed until the module is here.
void MainFrame::createModules() {
    modules_.push_back(std::make_unique<StatisticsWindows>(settings_, messages_, dialogs_, *this));
}

}  // namespace orrery
