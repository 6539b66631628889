#pragma once

#include <QString>
#include <memory>

#include "persistence/settings_store.h"

class QSettings;

namespace orrery {

// The program's settings store: an INI file kept by QSettings. Each key
// becomes a group (its backslashes become group separators) and each value a
// key of that group; the unnamed default value is kept as "(default)".
class QSettingsStore : public SettingsStore {
public:
    // The user's file, $XDG_CONFIG_HOME/Orrery/orrery.ini.
    QSettingsStore();
    // Another INI file, for tests and tools.
    explicit QSettingsStore(const QString& iniPath);
    ~QSettingsStore() override;

    std::optional<std::string> read(std::string_view key, std::string_view name) const override;
    void write(std::string_view key, std::string_view name, std::string_view value) override;
    std::vector<std::string> subkeys(std::string_view key) const override;
    void removeKey(std::string_view key) override;
    bool keyExists(std::string_view key) const override;
    bool flush() override;

    QString fileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace orrery
