#include "shell/recent_files.h"

#include <algorithm>

#include "shell/command_ids.h"
#include "shell/file_names.h"

namespace orrery {

void RecentFiles::load(const std::vector<std::string>& paths) {
    entries_.clear();
    firstIsOpen_ = false;
    for (const std::string& path : paths) {
        if (entries_.size() == kCapacity) break;
        if (path.empty()) continue;
        entries_.push_back({path, sameExtension(CheckFileName(path).extension, "qpl")});
    }
}

std::vector<std::string> RecentFiles::paths() const {
    std::vector<std::string> out;
    for (const Entry& entry : entries_) out.push_back(entry.path);
    return out;
}

void RecentFiles::add(const std::string& path, bool isDocument) {
    remove(path);
    if (entries_.size() == kCapacity) entries_.pop_back();
    entries_.insert(entries_.begin(), Entry{path, isDocument});
    firstIsOpen_ = true;
}

void RecentFiles::remove(const std::string& path) {
    std::erase_if(entries_, [&](const Entry& e) { return e.path == path; });
}

std::vector<MenuEntry> RecentFiles::menuItems() const {
    std::vector<MenuEntry> items;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        const std::string number = std::to_string(i + 1);
        const std::string prefix = number + ".  " + entry.path;
        if (i == 0 && firstIsOpen_) {
            items.push_back({command::kRecentFirst,
                             prefix + (entry.isDocument ? "\tNow Open" : "\t(Exported)"), false});
        } else if (entry.isDocument) {
            items.push_back({command::kRecentFirst + static_cast<int>(i) + 1,
                             prefix + "\tCtrl+" + number, true});
        } else {
            items.push_back({command::kRecentFirst + static_cast<int>(i) + 1,
                             prefix + "\t(Exported)", false});
        }
    }
    return items;
}

std::variant<std::string, UserMessage> RecentFiles::RecentPath(int command) const {
    const int k = command - command::kRecentFirst;
    const int count = static_cast<int>(entries_.size());
    if (k >= 1 && k <= count) return entries_[static_cast<std::size_t>(k - 1)].path;
    std::string text = "You attempted to open \"File #" + std::to_string(k) + "\"";
    if (count == 0)
        text += " No files have been saved yet.";
    else if (count == 1)
        text += " Only one file has been saved so far.";
    else
        text += " Only " + std::to_string(count) + " have as yet been saved.";
    return UserMessage{"INPUT ERROR", text, MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace orrery
