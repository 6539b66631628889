#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/user_message.h"
#include "graphing/graph_settings.h"
#include "persistence/profiles.h"
#include "persistence/settings_store.h"

namespace orrery {

// The message for Save, Load or Delete with an empty name box: "Nothing to
// Save!" and its kin, with a hint at the list when it has entries.
UserMessage nothingEnteredMessage(ProfileAction action, bool listHasEntries);

// What the Profiles page does, without its window: the sorted list of stored
// profiles, the selected row, the name box, and the working copy of the
// settings that Load and Reset change. The dialog shows this state and
// forwards its buttons here.
class ProfilePage {
public:
    // Fills the list; selects the profile last picked when it is still
    // stored (and shows its name), otherwise the first entry.
    ProfilePage(SettingsStore& store, GraphSettings& working);

    const std::vector<std::string>& list() const { return list_; }
    // The looks that come with the program, listed after the stored ones
    // (rows from list().size() on); one that a stored profile shadows is left out.
    const std::vector<std::string>& builtIns() const { return builtIns_; }
    int selectedRow() const { return selected_; }  // -1 when nothing is selected
    const std::string& nameText() const { return name_; }
    void setNameText(std::string text) { name_ = std::move(text); }

    // The user picked a row (a stored or a built-in one): its name goes into the name box and becomes the
    // profile last picked.
    void pick(int row);

    std::optional<UserMessage> save();
    std::optional<UserMessage> load();
    std::optional<UserMessage> remove();
    // Reset (to Default): the working copy returns to the defaults.
    void reset();
    bool resetHappened() const { return resetHappened_; }
    void clearReset() { resetHappened_ = false; }

private:
    void refill();
    int rowOf(std::string_view name) const;  // -1 when absent; case is ignored
    int builtInRowOf(std::string_view name) const;  // a row after the stored ones, or -1

    SettingsStore& store_;
    GraphSettings& working_;
    std::vector<std::string> list_;
    std::vector<std::string> builtIns_;
    int selected_ = -1;
    std::string name_;
    bool resetHappened_ = false;
};

}  // namespace orrery
