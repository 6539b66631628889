#pragma once

#include <optional>

#include "common/user_message.h"
#include "graphing/qt/appearance_page.h"
#include "persistence/profile_page.h"

class QLineEdit;
class QListWidget;

namespace orrery {

class GraphSettings;
class MessageService;
class SettingsStore;

// "Profiles": the stored profiles in a sorted list, the name box, and Load,
// Save, Reset (to Default) and Delete, on the working copy of the settings
// sheet. A load or a reset changes what the other pages show; a reset
// becomes live when the page is left or the sheet applied.
//
// Controls by object name: profileList, nameEdit, loadButton, saveButton,
// resetButton, deleteButton.
class ProfilesPage : public AppearancePage {
    Q_OBJECT

public:
    ProfilesPage(SettingsStore& store, GraphSettings& working, MessageService& messages, QWidget* parent = nullptr);

    void reload() override {}
    void applied() override { page_.clearReset(); }
    void leave() override;

    bool resetHappened() const { return page_.resetHappened(); }

private:
    void showList();
    void report(const std::optional<UserMessage>& message);
    void load();
    void save();
    void reset();
    void remove();

    ProfilePage page_;
    MessageService& messages_;
    QListWidget* list_ = nullptr;
    QListWidget* builtInList_ = nullptr;  // the looks that come with the program
    QLineEdit* name_ = nullptr;
};

}  // namespace orrery
