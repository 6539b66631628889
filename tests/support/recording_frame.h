#pragma once

// A stand-in for the main window as the subsystems' windows see it: it
// records what they ask of it, and tests add what the asking should do.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "common/qt/frame_hooks.h"

namespace orrery::testing {

class RecordingFrame : public FrameHooks {
public:
    QWidget* window = nullptr;  // the parent windows are given
    std::vector<int> commands;
    std::vector<int> menuStates;
    int redraws = 0;
    int settingsChanges = 0;
    std::u32string typed;
    std::vector<std::string> helpShown;
    // What a command or a redraw should do, beyond being recorded.
    std::function<void(int)> onCommand;
    std::function<void()> onRedraw;
    std::function<bool()> resolve = [] { return true; };

    QWidget* frameWindow() override { return window; }
    void runCommand(int command) override {
        commands.push_back(command);
        if (onCommand) onCommand(command);
    }
    void setMenuState(int code) override { menuStates.push_back(code); }
    void redrawAll() override {
        ++redraws;
        if (onRedraw) onRedraw();
    }
    void settingsChanged() override {
        ++settingsChanges;
        if (onRedraw) onRedraw();
    }
    bool typeCharacters(const std::u32string& text) override {
        typed += text;
        return true;
    }
    bool resolvePendingInput() override { return resolve(); }
    void showHelp(const std::string& section) override { helpShown.push_back(section); }
};

}  // namespace orrery::testing
