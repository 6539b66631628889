#include "persistence/memory_settings_store.h"

#include <algorithm>

namespace orrery {
namespace {

bool isBelow(std::string_view key, std::string_view parent) {
    return key.size() > parent.size() + 1 && key.starts_with(parent) && key[parent.size()] == '\\';
}

}  // namespace

std::optional<std::string> MemorySettingsStore::read(std::string_view key, std::string_view name) const {
    const auto found = keys_.find(key);
    if (found == keys_.end()) return std::nullopt;
    for (const auto& [n, v] : found->second)
        if (n == name) return v;
    return std::nullopt;
}

void MemorySettingsStore::write(std::string_view key, std::string_view name, std::string_view value) {
    Values& values = keys_[std::string(key)];
    for (auto& [n, v] : values)
        if (n == name) {
            v = value;
            return;
        }
    values.emplace_back(name, value);
}

std::vector<std::string> MemorySettingsStore::subkeys(std::string_view key) const {
    std::vector<std::string> names;
    for (const auto& [path, values] : keys_) {
        if (!isBelow(path, key)) continue;
        std::string_view rest = std::string_view(path).substr(key.size() + 1);
        std::string child(rest.substr(0, rest.find('\\')));
        if (std::find(names.begin(), names.end(), child) == names.end()) names.push_back(std::move(child));
    }
    return names;
}

void MemorySettingsStore::removeKey(std::string_view key) {
    std::erase_if(keys_, [key](const auto& entry) { return entry.first == key || isBelow(entry.first, key); });
}

bool MemorySettingsStore::keyExists(std::string_view key) const {
    return std::any_of(keys_.begin(), keys_.end(),
                       [key](const auto& entry) { return entry.first == key || isBelow(entry.first, key); });
}

const MemorySettingsStore::Values& MemorySettingsStore::values(std::string_view key) const {
    static const Values kNone;
    const auto found = keys_.find(key);
    return found == keys_.end() ? kNone : found->second;
}

void MemorySettingsStore::removeValue(std::string_view key, std::string_view name) {
    const auto found = keys_.find(key);
    if (found == keys_.end()) return;
    std::erase_if(found->second, [name](const auto& value) { return value.first == name; });
}

}  // namespace orrery
