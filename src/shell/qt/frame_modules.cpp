#include "shell/qt/main_frame.h"

#include "shell/qt/help_windows.h"

namespace orrery {

// The subsystems' windows and dialogs, each behind one module. The frame
// forwards them every command it does not answer itself; a module's commands
// are greyed until the module is here.
void MainFrame::createModules() {
    modules_.push_back(std::make_unique<HelpWindows>(store_, messages_, *this));
}

void MainFrame::showHelp(const std::string& section) {
    for (const std::unique_ptr<CommandModule>& module : modules_)
        if (auto* help = dynamic_cast<HelpWindows*>(module.get())) help->showSection(section);
}

}  // namespace orrery
