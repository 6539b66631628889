#pragma once

#include <QPointer>
#include <memory>
#include <vector>

#include "common/qt/command_module.h"
#include "graphing/graph_settings.h"

namespace orrery {

class AppearanceSheet;
class DialogService;
class FrameHooks;
class GraphView;
class MessageService;
class SettingsStore;

// The appearance windows of the main window: "Curve Look" and
// "Domains/Range" (modal), the "Set Colors" sheet and the "Profiles"
// settings sheet (modeless, one of each at a time). Each edits a working
// copy of the live settings made when it opens; Apply and OK make it live,
// mark the work modified and tell the frame, which redraws everything and
// passes the news to every other module.
class AppearanceDialogs : public CommandModule {
public:
    AppearanceDialogs(GraphView& view, SettingsStore& store, MessageService& messages, DialogService& dialogs,
                      FrameHooks& frame);
    ~AppearanceDialogs() override;

    std::vector<int> commands() const override;
    void run(int command) override;

    // The window a command opened and that is still shown, or nullptr.
    AppearanceSheet* openWindow(int command) const;

private:
    struct Window {
        int command;
        QPointer<AppearanceSheet> sheet;
        std::unique_ptr<GraphSettings> working;
    };

    AppearanceSheet* openCurveLook(GraphSettings& working);
    AppearanceSheet* openDomainsRange(GraphSettings& working);
    AppearanceSheet* openSetColors(GraphSettings& working);
    AppearanceSheet* openProfiles(GraphSettings& working);
    void announce(bool resetHappened = false);

    GraphView& view_;
    SettingsStore& store_;
    MessageService& messages_;
    DialogService& dialogs_;
    FrameHooks& frame_;
    std::vector<Window> windows_;
};

}  // namespace orrery
