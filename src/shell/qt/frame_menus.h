#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "shell/menu_entry.h"

class QAction;
class QMainWindow;
class QMenu;

namespace orrery {

// The frame's menu bar, its accelerator table and the Graph Options popup.
// Every item carries its command id to one dispatch function. Items whose
// command nothing answers stay greyed whatever a menu state says.
class FrameMenus : public QObject {
    Q_OBJECT
public:
    FrameMenus(QMainWindow& frame, std::function<void(int)> dispatch,
               std::function<bool(int)> available);

    QAction* action(int command) const;  // the menu item, or nullptr
    bool isEnabled(int command) const;
    void setEnabled(int command, bool enabled);
    void applyMenuState(int code);

    void setToolTipsItem(bool toolTipsOn);     // "&Remove Tooltips" / "&Restore Tooltips"
    void setSplitScreenItem(bool splitScreen);  // "Restore &Full Screen" / "&Split Screen"
    void setRecentItems(const std::vector<MenuEntry>& items);
    std::vector<MenuEntry> recentItems() const;

    // Runs an accelerator: like Windows, a key whose menu item is greyed does nothing.
    void runAccelerator(int command);

    // A popup with the given items, dispatching like the menus; the caller owns it.
    QMenu* popup(const std::vector<MenuEntry>& items, QWidget* parent);

    bool isAvailable(int command) const { return available_(command); }

private:
    QMainWindow& frame_;
    std::function<void(int)> dispatch_;
    std::function<bool(int)> available_;
    std::map<int, QAction*> actions_;
    QMenu* file_ = nullptr;
    QMenu* customize_ = nullptr;
    std::vector<QAction*> recent_;

    QMenu* addMenu(const char* title, const std::vector<MenuEntry>& items);
    QAction* makeAction(QMenu* menu, const MenuEntry& item);
    QAction* addItem(QMenu* menu, const MenuEntry& item);
    void replaceItem(QMenu* menu, int position, const MenuEntry& item);
    void addAccelerators();
};

}  // namespace orrery
