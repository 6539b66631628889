#include "persistence/profiles.h"

#include <cmath>

#include "common/c_numeric.h"
#include "persistence/document_limits.h"
#include "persistence/profile_name.h"
#include "persistence/settings_keys.h"
#include "persistence/store_values.h"

namespace orrery {
namespace {

// The proportions the window-size page can set.
constexpr double kSmallestProportion = 0.05;
constexpr double kLargestProportion = 0.95;

std::string profileKey(std::string_view name) {
    return subkeyPath(kProfilesKey, lowerCaseProfileName(name));
}

std::string numbered(std::string_view prefix, std::size_t i, std::string_view suffix = {}) {
    return std::string(prefix) + std::to_string(i) + std::string(suffix);
}

// One per-curve sequence of whole numbers with its all-curves flag.
struct IntSequence {
    std::string_view countName;
    std::string_view flagName;
    std::string_view itemPrefix;
    std::vector<std::int32_t> GraphSettings::*values;
    bool GraphSettings::*allFlag;
    std::int32_t (GraphSettings::*lookup)(std::int32_t);  // grows the sequence with its fill value
    int lowest;
    int highest;
};

const IntSequence kLineStyles{"NumLineStyle", "bAllStyle", "uLineStyle", &GraphSettings::lineStyles,
                              &GraphSettings::allStyles, &GraphSettings::lineStyle, 0, 3};
const IntSequence kPointCounts{"NumPtsVecSize", "bAllPts", "iNumPts", &GraphSettings::pointCounts,
                               &GraphSettings::allPoints, &GraphSettings::pointCount,
                               GraphSettings::kMinPointCount, GraphSettings::kMaxPointCount};
const IntSequence kThicknesses{"NumThickness", "bAllThickness", "uThickness", &GraphSettings::thicknesses,
                               &GraphSettings::allThickness, &GraphSettings::thickness, 1, 10};

// A colour list: its count name and the prefix of its entries' components.
struct ColorSequence {
    std::string_view countName;
    std::string_view itemPrefix;
    std::vector<ColorRef> GraphSettings::*values;
    ColorRef (GraphSettings::*lookup)(std::int32_t);
};

const ColorSequence kCurveColors{"iCurveColors", "iCC", &GraphSettings::curveColors, &GraphSettings::curveColor};
const ColorSequence kOriginalColors{"iOrigColors", "iOC", &GraphSettings::originalPointColors,
                                    &GraphSettings::originalPointColor};

// The four fixed colours, each stored as three components named by a suffix.
struct FixedColor {
    std::string_view suffix;
    ColorRef GraphSettings::*value;
};

constexpr FixedColor kFixedColors[] = {{"Axes", &GraphSettings::axesColor},
                                       {"Bk", &GraphSettings::backgroundColor},
                                       {"Label", &GraphSettings::labelColor},
                                       {"Stats", &GraphSettings::statsColor}};

// The counts of a profile's sequences; a larger count is not a profile of ours.
std::optional<int> readCount(const SettingsStore& store, std::string_view key, std::string_view name) {
    return readIntIn(store, key, name, 0, static_cast<int>(kMaxSettingsEntries));
}

std::optional<int> readComponent(const SettingsStore& store, std::string_view key, const std::string& name) {
    return readIntIn(store, key, name, 0, 255);
}

void saveIntSequence(SettingsStore& store, std::string_view key, const GraphSettings& s, const IntSequence& q) {
    const auto& values = s.*q.values;
    writeFlag(store, key, q.flagName, s.*q.allFlag);
    writeInt(store, key, q.countName, static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) writeInt(store, key, numbered(q.itemPrefix, i), values[i]);
}

void loadIntSequence(const SettingsStore& store, std::string_view key, GraphSettings& s, const IntSequence& q) {
    const auto count = readCount(store, key, q.countName);
    if (!count) return;
    if (const auto all = readFlag(store, key, q.flagName)) s.*q.allFlag = *all;
    for (int i = 0; i < *count; ++i) {
        const auto value = readIntIn(store, key, numbered(q.itemPrefix, static_cast<std::size_t>(i)), q.lowest,
                                     q.highest);
        if (!value) continue;
        (s.*q.lookup)(i);
        (s.*q.values)[static_cast<std::size_t>(i)] = *value;
    }
}

void saveFixedColor(SettingsStore& store, std::string_view key, std::string_view suffix, ColorRef c) {
    const std::string s(suffix);
    writeInt(store, key, "iRed" + s, redOf(c));
    writeInt(store, key, "iBlue" + s, blueOf(c));
    writeInt(store, key, "iGreen" + s, greenOf(c));
}

// Each component that reads replaces its own; the others stay.
void loadFixedColor(const SettingsStore& store, std::string_view key, std::string_view suffix, ColorRef& c) {
    const std::string s(suffix);
    const int red = readComponent(store, key, "iRed" + s).value_or(redOf(c));
    const int blue = readComponent(store, key, "iBlue" + s).value_or(blueOf(c));
    const int green = readComponent(store, key, "iGreen" + s).value_or(greenOf(c));
    c = makeRgb(red, green, blue);
}

void saveColorSequence(SettingsStore& store, std::string_view key, const GraphSettings& s, const ColorSequence& q) {
    const auto& values = s.*q.values;
    writeInt(store, key, q.countName, static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        writeInt(store, key, numbered(q.itemPrefix, i, "_R"), redOf(values[i]));
        writeInt(store, key, numbered(q.itemPrefix, i, "_G"), greenOf(values[i]));
        writeInt(store, key, numbered(q.itemPrefix, i, "_B"), blueOf(values[i]));
    }
}

// Entries in order until the first one with a missing component.
void loadColorSequence(const SettingsStore& store, std::string_view key, GraphSettings& s, const ColorSequence& q) {
    const auto count = readCount(store, key, q.countName);
    if (!count) return;
    for (int i = 0; i < *count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const auto red = readComponent(store, key, numbered(q.itemPrefix, index, "_R"));
        const auto green = readComponent(store, key, numbered(q.itemPrefix, index, "_G"));
        const auto blue = readComponent(store, key, numbered(q.itemPrefix, index, "_B"));
        if (!red || !green || !blue) return;
        (s.*q.lookup)(i);
        (s.*q.values)[index] = makeRgb(*red, *green, *blue);
    }
}

void saveLimits(SettingsStore& store, std::string_view key, const GraphSettings& s) {
    writeFlag(store, key, "bAllLimits", s.allLimits);
    writeInt(store, key, "iNumLimits", static_cast<int>(s.limits.size()));
    for (std::size_t i = 0; i < s.limits.size(); ++i)
        for (int j = 0; j < 4; ++j)
            writeDouble(store, key, formatC("dLimit%zu_%d", i, j), s.limits[i].bound(j));
}

// Each bound that reads goes to entry i, or to every entry when all limits
// are shared. Entries beyond the stored ones are not created.
void loadLimits(const SettingsStore& store, std::string_view key, GraphSettings& s) {
    const auto count = readCount(store, key, "iNumLimits");
    if (!count) return;
    if (const auto all = readFlag(store, key, "bAllLimits")) s.allLimits = *all;
    for (std::size_t i = 0; i < static_cast<std::size_t>(*count); ++i) {
        for (int j = 0; j < 4; ++j) {
            const auto bound = readDouble(store, key, formatC("dLimit%zu_%d", i, j));
            if (!bound) continue;
            if (s.allLimits) {
                for (CurveLimits& entry : s.limits) entry.setBound(j, *bound);
            } else if (i < s.limits.size()) {
                s.limits[i].setBound(j, *bound);
            }
        }
    }
}

UserMessage storeFailedMessage(std::string_view what, std::string_view name) {
    return UserMessage{"FILE ERROR",
                       "Could not " + std::string(what) + " the profile " + std::string(name) +
                           ": the settings file cannot be written.",
                       MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace

std::optional<UserMessage> SaveProfile(SettingsStore& store, std::string_view name, const GraphSettings& s) {
    if (auto refused = checkProfileName(name)) return refused;
    const std::string key = profileKey(name);
    store.write(key, "", "");
    writeInt(store, key, "uAxesType", s.axesType);
    writeFlag(store, key, "bToolTips", s.toolTips);
    writeFlag(store, key, "bSplitScreen", s.splitScreen);
    writeDouble(store, key, "dCalculatorProportion", s.calculatorProportion);
    saveIntSequence(store, key, s, kLineStyles);
    saveIntSequence(store, key, s, kPointCounts);
    saveIntSequence(store, key, s, kThicknesses);
    for (const FixedColor& c : kFixedColors) saveFixedColor(store, key, c.suffix, s.*c.value);
    saveLimits(store, key, s);
    saveColorSequence(store, key, s, kCurveColors);
    saveColorSequence(store, key, s, kOriginalColors);
    if (!store.flush()) return storeFailedMessage("save", lowerCaseProfileName(name));
    return std::nullopt;
}

std::optional<UserMessage> LoadProfile(const SettingsStore& store, std::string_view name, GraphSettings& s) {
    if (auto refused = checkProfileName(name)) return refused;
    if (!ProfileExists(store, name)) return neverSavedMessage(lowerCaseProfileName(name), ProfileAction::Load);
    const std::string key = profileKey(name);
    if (const auto v = readIntIn(store, key, "uAxesType", 0, 2)) s.axesType = *v;
    if (const auto v = readFlag(store, key, "bToolTips")) s.toolTips = *v;
    if (const auto v = readFlag(store, key, "bSplitScreen")) s.splitScreen = *v;
    if (const auto v = readDouble(store, key, "dCalculatorProportion");
        v && *v >= kSmallestProportion && *v <= kLargestProportion)
        s.calculatorProportion = *v;
    loadIntSequence(store, key, s, kLineStyles);
    loadIntSequence(store, key, s, kPointCounts);
    loadIntSequence(store, key, s, kThicknesses);
    for (const FixedColor& c : kFixedColors) loadFixedColor(store, key, c.suffix, s.*c.value);
    loadColorSequence(store, key, s, kCurveColors);
    loadColorSequence(store, key, s, kOriginalColors);
    loadLimits(store, key, s);
    s.modified = true;
    return std::nullopt;
}

bool ProfileExists(const SettingsStore& store, std::string_view name) {
    return !checkProfileName(name) && store.keyExists(profileKey(name));
}

std::optional<UserMessage> DeleteProfile(SettingsStore& store, std::string_view name) {
    if (auto refused = checkProfileName(name)) return refused;
    store.removeKey(profileKey(name));
    if (!store.flush()) return storeFailedMessage("delete", lowerCaseProfileName(name));
    return std::nullopt;
}

std::vector<std::string> ListProfiles(const SettingsStore& store) {
    return store.subkeys(kProfilesKey);
}

UserMessage neverSavedMessage(std::string_view name, ProfileAction action) {
    const char* verb = action == ProfileAction::Delete ? "deleted" : action == ProfileAction::Load ? "loaded" : "saved";
    return UserMessage{"INPUT ERROR",
                       "Sorry, " + std::string(name) + " was never saved so cannot be " + verb + ".",
                       MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace orrery
