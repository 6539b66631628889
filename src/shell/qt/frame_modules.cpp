#include "shell/qt/main_frame.h"

#include "shell/qt/calculator_face.h"
#include "shell/qt/graph_output.h"

namespace orrery {

// The subsystems' windows and dialogs, each behind one module. The frame
// forwards them every command it does not answer itself; a module's commands
// are greyed until the module is here.
void MainFrame::createModules() {
    modules_.push_back(std::make_unique<GraphOutput>(
        view_, *graph_, *face_->valueDisplay(), messages_, dialogs_, *this,
        [this](const std::string& path) { documents_->pictureExported(path); }));
}

}  // namespace orrery
