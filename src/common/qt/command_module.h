#pragma once

#include <vector>

namespace orrery {

// One subsystem's windows and dialogs as the main window sees them: the
// command ids they answer and one entry point. The frame owns the modules and
// forwards every id it does not handle itself, so its dispatch stays a table.
class CommandModule {
public:
    virtual ~CommandModule() = default;
    virtual std::vector<int> commands() const = 0;
    virtual void run(int command) = 0;
    // The live settings changed (a dialog's Apply, a profile, Restore
    // Defaults): open windows redraw with the new colours and options.
    virtual void settingsChanged() {}
};

}  // namespace orrery
