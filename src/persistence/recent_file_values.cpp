#include "persistence/recent_file_values.h"

#include <algorithm>

#include "persistence/settings_keys.h"
#include "persistence/store_values.h"

namespace orrery {

std::vector<std::string> LoadRecentFiles(const SettingsStore& store) {
    std::vector<std::string> paths;
    const int count = std::clamp(readInt(store, kRecentFilesKey, "NumFiles").value_or(0), 0,
                                 static_cast<int>(kMaxRecentFiles));
    const auto n = static_cast<std::size_t>(count);
    for (std::size_t i = 0; i < n; ++i) {
        auto path = readText(store, kRecentFilesKey, "File" + std::to_string(i));
        if (path && !path->empty()) paths.push_back(std::move(*path));
    }
    return paths;
}

void SaveRecentFiles(SettingsStore& store, const std::vector<std::string>& paths) {
    const std::size_t n = std::min(paths.size(), kMaxRecentFiles);
    writeInt(store, kRecentFilesKey, "NumFiles", static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i) store.write(kRecentFilesKey, "File" + std::to_string(i), paths[i]);
}

}  // namespace orrery
