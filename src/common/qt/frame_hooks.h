#pragma once

#include <string>

class QWidget;

namespace orrery {

// What subsystem windows may ask of the main window, without knowing it.
class FrameHooks {
public:
    virtual ~FrameHooks() = default;
    // The main window, as the parent of dialogs and windows.
    virtual QWidget* frameWindow() = 0;
    // Opens the manual at a section: a page name ("statistics", "matrices",
    // "conversions", "finance", ...) or a page and anchor ("graph#zoom").
    // The pages and anchors are listed in help/index.html.
    virtual void showHelp(const std::string& section) { (void)section; }
    // Sends a command through the main window's one handler, as its menus do.
    virtual void runCommand(int command) = 0;
    virtual void setMenuState(int code) = 0;
    // Repaints the graph and both displays from the live curves and settings.
    virtual void redrawAll() = 0;
    // The live settings changed as a whole: the frame pushes the tooltip and
    // split-screen states, lays out again, redraws, and tells every module.
    virtual void settingsChanged() = 0;
    // Types the characters into the current curve exactly as the keyboard
    // does (pending letters, messages and all); false when a message stopped it.
    virtual bool typeCharacters(const std::u32string& text) = 0;
    // Turns letters still being typed ("sin" waiting for a possible "h")
    // into their key, as Sketch does, so a tool works on the expression the
    // symbol display shows; false when a message stopped it.
    virtual bool resolvePendingInput() { return true; }
};

}  // namespace orrery
