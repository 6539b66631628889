#include "fitting/qt/fitting_windows.h"
#include "graphing/qt/analysis_windows.h"
#include "graphing/qt/appearance_dialogs.h"
#include "graphing/qt/calculus_dialogs.h"
#include "linear_algebra/qt/linear_algebra_windows.h"
#include "shell/qt/calculator_face.h"
#include "shell/qt/graph_output.h"
#include "shell/qt/help_windows.h"
#include "shell/qt/main_frame.h"
#include "statistics/qt/statistics_windows.h"
#include "utilities/qt/utilities_windows.h"

namespace orrery {

// The subsystems' windows and dialogs, each behind one module. The frame
// forwards them every command it does not answer itself; a module's commands
// are greyed until the module is here.
void MainFrame::createModules() {
    modules_.push_back(std::make_unique<GraphOutput>(
        view_, *graph_, *face_->valueDisplay(), messages_, dialogs_, *this,
        [this](const std::string& path) { documents_->pictureExported(path); }));
    modules_.push_back(std::make_unique<HelpWindows>(store_, messages_, *this));
    modules_.push_back(std::make_unique<AppearanceDialogs>(view_, store_, messages_, dialogs_, *this));
    modules_.push_back(std::make_unique<CalculusDialogs>(view_, messages_, *this));
    modules_.push_back(std::make_unique<AnalysisWindows>(*graph_, messages_, dialogs_, *this));
    modules_.push_back(std::make_unique<FittingWindows>(view_, messages_, dialogs_, *this));
    modules_.push_back(std::make_unique<LinearAlgebraWindows>(messages_, dialogs_, *this));
    modules_.push_back(std::make_unique<StatisticsWindows>(settings_, messages_, dialogs_, *this));
    modules_.push_back(std::make_unique<UtilitiesWindows>(messages_, dialogs_, *this));
}

void MainFrame::showHelp(const std::string& section) {
    for (const std::unique_ptr<CommandModule>& module : modules_)
        if (auto* help = dynamic_cast<HelpWindows*>(module.get())) help->showSection(section);
}

}  // namespace orrery
