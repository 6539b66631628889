#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "common/qt/command_module.h"

namespace orrery {

class AboutAutomaton;
class AboutBox;
class FrameHooks;
class HelpWindow;
class MessageService;
class SettingsStore;
class TipWindow;

// Help (F1), Tip of the Day and About Orrery. The help window and the
// automaton last for the run, so the manual keeps its page and history and
// the About box its grid; the tip window and the About box are made at
// each opening.
class HelpWindows : public CommandModule {
public:
    HelpWindows(SettingsStore& store, MessageService& messages, FrameHooks& frame);
    ~HelpWindows() override;

    std::vector<int> commands() const override;
    void run(int command) override;

    // Opens the manual at a section: a page name such as "statistics", or
    // "graph#zoom" (the pages and anchors are listed in help/index.html).
    void showSection(const std::string& section);

    // The open windows, or nullptr.
    HelpWindow* helpWindow() const;
    AboutBox* aboutBox() const;
    TipWindow* tipWindow() const;

private:
    SettingsStore& store_;
    MessageService& messages_;
    FrameHooks& frame_;
    std::unique_ptr<AboutAutomaton> automaton_;
    QPointer<HelpWindow> help_;
    QPointer<AboutBox> about_;
    QPointer<TipWindow> tips_;

    HelpWindow& openHelp();
    void openAbout();
    void openTips();
};

}  // namespace orrery
