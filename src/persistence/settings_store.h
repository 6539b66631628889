#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// The program's small store of named string values, grouped in keys. A key
// is a path whose parts are separated by a backslash, such as
// "Quorvane Users\lab"; the empty value name is the key's default value.
// Values are UTF-8 text (paths may be any bytes).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::optional<std::string> read(std::string_view key, std::string_view name) const = 0;
    // Creates the key (and those above it) when missing.
    virtual void write(std::string_view key, std::string_view name, std::string_view value) = 0;
    // Names of the keys directly below `key`.
    virtual std::vector<std::string> subkeys(std::string_view key) const = 0;
    // Removes the key with its values and subkeys; a missing key is no error.
    virtual void removeKey(std::string_view key) = 0;
    virtual bool keyExists(std::string_view key) const = 0;
    // Commits what was written; false when the store could not keep it.
    virtual bool flush() = 0;
};

// A key below another: parent + "\" + child.
std::string subkeyPath(std::string_view parent, std::string_view child);

}  // namespace orrery
