#pragma once

#include <map>
#include <utility>

#include "persistence/settings_store.h"

namespace orrery {

// A store held in memory, for tests. It keeps each key's values in the order
// they were first written, and can be told to fail its flushes.
class MemorySettingsStore : public SettingsStore {
public:
    using Values = std::vector<std::pair<std::string, std::string>>;

    std::optional<std::string> read(std::string_view key, std::string_view name) const override;
    void write(std::string_view key, std::string_view name, std::string_view value) override;
    std::vector<std::string> subkeys(std::string_view key) const override;
    void removeKey(std::string_view key) override;
    bool keyExists(std::string_view key) const override;
    bool flush() override { return !failFlush; }

    // The values of one key in write order (empty for a missing key).
    const Values& values(std::string_view key) const;
    // Deletes one value, as a user editing the settings file might.
    void removeValue(std::string_view key, std::string_view name);

    bool failFlush = false;

private:
    std::map<std::string, Values, std::less<>> keys_;
};

}  // namespace orrery
