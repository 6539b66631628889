#include "persistence/profile_page.h"

#include <algorithm>

#include "persistence/builtin_profiles.h"
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
    if (working_.profileName.empty()) return;
    int last = rowOf(working_.profileName);
    if (last < 0) last = builtInRowOf(working_.profileName);
    if (last >= 0) {
        selected_ = last;
        name_ = last < static_cast<int>(list_.size()) ? list_[static_cast<std::size_t>(last)]
                                                      : builtIns_[static_cast<std::size_t>(last) - list_.size()];
    }
}

void ProfilePage::refill() {
    list_ = ListProfiles(store_);
    std::sort(list_.begin(), list_.end());
    builtIns_.clear();
    for (std::string& name : builtInProfileNames())
        if (rowOf(name) < 0) builtIns_.push_back(std::move(name));
    selected_ = list_.empty() ? -1 : 0;
}

int ProfilePage::rowOf(std::string_view name) const {
    const auto found = std::find_if(list_.begin(), list_.end(),
                                    [name](const std::string& entry) { return sameProfileName(entry, name); });
    return found == list_.end() ? -1 : static_cast<int>(found - list_.begin());
}

int ProfilePage::builtInRowOf(std::string_view name) const {
    const auto found = std::find_if(builtIns_.begin(), builtIns_.end(),
                                    [name](const std::string& entry) { return sameProfileName(entry, name); });
    return found == builtIns_.end() ? -1 : static_cast<int>(list_.size() + (found - builtIns_.begin()));
}

void ProfilePage::pick(int row) {
    const auto stored = static_cast<int>(list_.size());
    if (row < 0 || row >= stored + static_cast<int>(builtIns_.size())) return;
    selected_ = row;
    name_ = row < stored ? list_[static_cast<std::size_t>(row)] : builtIns_[static_cast<std::size_t>(row - stored)];
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
    if (row < 0) {
        const int builtIn = builtInRowOf(name);
        if (builtIn < 0) return neverSavedMessage(name, ProfileAction::Load);
        pick(builtIn);
        applyBuiltInProfile(name_, working_);
        return std::nullopt;
    }
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
