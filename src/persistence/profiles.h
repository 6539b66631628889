#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_message.h"
#include "graphing/graph_settings.h"
#include "persistence/settings_store.h"

namespace orrery {

// Named appearance profiles, one subkey of "Quorvane Users" each, named by
// the lower-cased profile name. Names the store cannot keep are refused with
// the message of checkProfileName.

// Writes every profile value of `settings`, in the order of earlier versions.
// A store that cannot keep them gives a message rather than a silent loss.
std::optional<UserMessage> SaveProfile(SettingsStore& store, std::string_view name, const GraphSettings& settings);

// Reads the profile into `settings`. Each value is taken only when it reads
// and lies in its range; a missing value leaves its setting as it was. A
// profile that was never saved gives the never-saved message.
std::optional<UserMessage> LoadProfile(const SettingsStore& store, std::string_view name, GraphSettings& settings);

bool ProfileExists(const SettingsStore& store, std::string_view name);

// A profile that does not exist counts as deleted.
std::optional<UserMessage> DeleteProfile(SettingsStore& store, std::string_view name);

// The stored profile names, in the store's order.
std::vector<std::string> ListProfiles(const SettingsStore& store);

// "Sorry, NAME was never saved so cannot be loaded." (or "... deleted."),
// caption "INPUT ERROR".
enum class ProfileAction { Save, Load, Delete };
UserMessage neverSavedMessage(std::string_view name, ProfileAction action);

}  // namespace orrery
