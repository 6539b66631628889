#include "shell/qt/help_windows.h"

#include "common/qt/frame_hooks.h"
#include "shell/about_automaton.h"
#include "shell/command_ids.h"
#include "shell/qt/about_box.h"
#include "shell/qt/help_window.h"
#include "shell/qt/tip_window.h"

namespace orrery {

HelpWindows::HelpWindows(SettingsStore& store, MessageService& messages, FrameHooks& frame)
    : store_(store), messages_(messages), frame_(frame) {}

HelpWindows::~HelpWindows() {
    // The windows are the frame's children; the box must not outlive the
    // automaton it draws, nor the tip window the store it writes to.
    delete about_.data();
    delete tips_.data();
    delete help_.data();
}

HelpWindow* HelpWindows::helpWindow() const { return help_; }
AboutBox* HelpWindows::aboutBox() const { return about_; }
TipWindow* HelpWindows::tipWindow() const { return tips_; }

std::vector<int> HelpWindows::commands() const {
    return {command::kHelp, command::kAbout, command::kTipOfTheDay};
}

void HelpWindows::run(int command) {
    switch (command) {
        case command::kHelp: {
            HelpWindow& help = openHelp();
            help.show();
            help.raise();
            help.activateWindow();
            break;
        }
        case command::kAbout: openAbout(); break;
        case command::kTipOfTheDay: openTips(); break;
        default: break;
    }
}

void HelpWindows::showSection(const std::string& section) {
    HelpWindow& help = openHelp();
    help.showSection(QString::fromStdString(section));
    help.show();
    help.raise();
    help.activateWindow();
}

HelpWindow& HelpWindows::openHelp() {
    if (!help_) help_ = new HelpWindow(frame_.frameWindow());
    return *help_;
}

void HelpWindows::openAbout() {
    if (about_) {
        about_->raise();
        return;
    }
    if (!automaton_) automaton_ = std::make_unique<AboutAutomaton>();
    about_ = new AboutBox(*automaton_, messages_, frame_.frameWindow());
    about_->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to the main window without a nested event loop.
    about_->open();
}

void HelpWindows::openTips() {
    if (tips_) {
        tips_->raise();
        return;
    }
    tips_ = new TipWindow(store_, frame_.frameWindow());
    tips_->setAttribute(Qt::WA_DeleteOnClose);
    // Keys typed at the start still reach the calculator.
    tips_->setAttribute(Qt::WA_ShowWithoutActivating);
    tips_->show();
}

}  // namespace orrery
