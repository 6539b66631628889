#pragma once

#include <string>
#include <vector>

#include "persistence/settings_store.h"

namespace orrery {

inline constexpr std::size_t kMaxRecentFiles = 9;

// The recent paths, most recent first: "NumFiles" of them (at most 9) from
// "File0" on. Entries that are missing or empty are skipped.
std::vector<std::string> LoadRecentFiles(const SettingsStore& store);
// Writes "NumFiles" and the first nine paths.
void SaveRecentFiles(SettingsStore& store, const std::vector<std::string>& paths);

}  // namespace orrery
