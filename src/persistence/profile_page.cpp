#include "persistence/profile_page.h"

#include <algorithm>

#include "persistence/profile_name.h"

namespace orrery {

UserMessage nothingEnteredMessage(ProfileAction action, bool listHasEntries) {
    const bool saving = action == ProfileAction::Save;
    std::string text = listHasEntries
                           ? "Please click on a profile name from the list on the left or enter it directly."
                           : saving ? "Please enter a profile name." : "Please enter a profile name";
    const char* caption = saving                            ? "Nothing to Save!"
                          : action == ProfileAction::Load ? "Nothing to Load!"
                                                            : "Nothing to Delete!";
    return UserMessage{caption, std::move(text), MessageIcon::Warning, MessageButtons::Ok};
}

ProfilePage::ProfilePage(SettingsStore& store, GraphSettings& working) : store_(store), working_(working) {
    refill();
    const int last = working_.profileName.empty() ? -1 : rowOf(working_.profileName);
    if (last >= 0) {
        selected_ = last;
        name_ = list_[static_cast<std::size_t>(last)];
    }
}

void ProfilePage::refill() {
    list_ = ListProfiles(store_);
    std::sort(list_.begin(), list_.end());
    selected_ = list_.empty() ? -1 : 0;
}

int ProfilePage::rowOf(std::string_view name) const {
    const auto found = std::find_if(list_.begin(), list_.end(),
                                    [name](const std::string& entry) { return sameProfileName(entry, name); });
    return found == list_.end() ? -1 : static_cast<int>(found - list_.begin());
}

void ProfilePage::pick(int row) {
    if (row < 0 || row >= static_cast<int>(list_.size())) return;
    selected_ = row;
    name_ = list_[static_cast<std::size_t>(row)];
    working_.profileName = name_;
}

std::optional<UserMessage> ProfilePage::save() {
    if (name_.empty()) return nothingEnteredMessage(ProfileAction::Save, !list_.empty());
    const std::string name = lowerCaseProfileName(name_);
    const bool isNew = !ProfileExists(store_, name);
    if (auto problem = SaveProfile(store_, name, working_)) return problem;
    working_.profileName = name;
    if (isNew) {
        refill();
        selected_ = rowOf(name);
    }
    return std::nullopt;
}

std::optional<UserMessage> ProfilePage::load() {
    if (name_.empty()) return nothingEnteredMessage(ProfileAction::Load, !list_.empty());
    const std::string name = lowerCaseProfileName(name_);
    const int row = rowOf(name);
    if (row < 0) return neverSavedMessage(name, ProfileAction::Load);
    pick(row);
    return LoadProfile(store_, list_[static_cast<std::size_t>(row)], working_);
}

std::optional<UserMessage> ProfilePage::remove() {
    if (name_.empty()) return nothingEnteredMessage(ProfileAction::Delete, !list_.empty());
    const int row = rowOf(name_);
    if (row < 0) return neverSavedMessage(name_, ProfileAction::Delete);
    if (auto problem = DeleteProfile(store_, list_[static_cast<std::size_t>(row)])) return problem;
    list_.erase(list_.begin() + row);
    name_.clear();
    selected_ = list_.empty() ? -1 : 0;
    return std::nullopt;
}

void ProfilePage::reset() {
    working_.restoreDefaults();
    resetHappened_ = true;
}

}  // namespace orrery
