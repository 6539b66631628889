#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/settings_store.h"

namespace orrery {

// Numbers in the settings store are texts: whole numbers written with "%d",
// doubles with "%lf", both in the C numeric locale and read back the same way
// ("%d" and "%lf" take the number at the start of the text). A value that is
// missing or does not read gives nullopt, so the caller keeps what it had.

// The longest value taken: a path can be no longer.
inline constexpr std::size_t kMaxValueBytes = 4096;

// A text value; longer than kMaxValueBytes, or holding a control character,
// it is out of range like any other and does not read.
std::optional<std::string> readText(const SettingsStore& store, std::string_view key, std::string_view name);

std::optional<int> readInt(const SettingsStore& store, std::string_view key, std::string_view name);
// Only a whole number from lowest to highest reads.
std::optional<int> readIntIn(const SettingsStore& store, std::string_view key, std::string_view name, int lowest,
                             int highest);
// Any non-zero whole number is true.
std::optional<bool> readFlag(const SettingsStore& store, std::string_view key, std::string_view name);
// Only finite numbers read: an "inf" or "nan" text would break every mapping.
std::optional<double> readDouble(const SettingsStore& store, std::string_view key, std::string_view name);

void writeInt(SettingsStore& store, std::string_view key, std::string_view name, int value);
void writeFlag(SettingsStore& store, std::string_view key, std::string_view name, bool value);
void writeDouble(SettingsStore& store, std::string_view key, std::string_view name, double value);

}  // namespace orrery
