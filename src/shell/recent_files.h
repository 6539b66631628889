#pragma once

#include <string>
#include <variant>
#include <vector>

#include "common/user_message.h"
#include "shell/menu_entry.h"

namespace orrery {

// Up to nine paths, most recent first, each a document or an exported picture.
class RecentFiles {
public:
    static constexpr std::size_t kCapacity = 9;

    struct Entry {
        std::string path;
        bool isDocument = true;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    // The list as the settings store keeps it: paths only; a path with the
    // document extension is a document.
    void load(const std::vector<std::string>& paths);
    std::vector<std::string> paths() const;

    // The path goes first (moved up when present); the first item then reads
    // "Now Open" or "(Exported)" and is greyed.
    void add(const std::string& path, bool isDocument);
    // A path that could not be opened is forgotten.
    void remove(const std::string& path);

    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<MenuEntry> menuItems() const;

    // The path behind command 2081..2089, or the "File #n" message.
    std::variant<std::string, UserMessage> RecentPath(int command) const;

private:
    std::vector<Entry> entries_;
    bool firstIsOpen_ = false;  // set by add(): item 1 is the file now open
};

}  // namespace orrery
