#include "persistence/store_values.h"

#include <cmath>

#include "common/c_numeric.h"

namespace orrery {

std::string subkeyPath(std::string_view parent, std::string_view child) {
    std::string path(parent);
    path += '\\';
    path += child;
    return path;
}

std::optional<std::string> readText(const SettingsStore& store, std::string_view key, std::string_view name) {
    std::optional<std::string> text = store.read(key, name);
    if (!text || text->size() > kMaxValueBytes) return std::nullopt;
    for (const char c : *text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return std::nullopt;
    return text;
}

std::optional<int> readInt(const SettingsStore& store, std::string_view key, std::string_view name) {
    const auto text = readText(store, key, name);
    if (!text) return std::nullopt;
    return scanInt(*text);
}

std::optional<int> readIntIn(const SettingsStore& store, std::string_view key, std::string_view name, int lowest,
                             int highest) {
    const auto value = readInt(store, key, name);
    if (!value || *value < lowest || *value > highest) return std::nullopt;
    return value;
}

std::optional<bool> readFlag(const SettingsStore& store, std::string_view key, std::string_view name) {
    const auto value = readInt(store, key, name);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<double> readDouble(const SettingsStore& store, std::string_view key, std::string_view name) {
    const auto text = readText(store, key, name);
    if (!text) return std::nullopt;
    const auto value = scanDouble(*text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

void writeInt(SettingsStore& store, std::string_view key, std::string_view name, int value) {
    store.write(key, name, formatC("%d", value));
}

void writeFlag(SettingsStore& store, std::string_view key, std::string_view name, bool value) {
    writeInt(store, key, name, value ? 1 : 0);
}

void writeDouble(SettingsStore& store, std::string_view key, std::string_view name, double value) {
    store.write(key, name, formatC("%lf", value));
}

}  // namespace orrery
