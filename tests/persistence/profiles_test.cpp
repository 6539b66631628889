// Profiles in the settings store: names, value texts, and what loading takes.

#include <gtest/gtest.h>

#include <sstream>

#include "document_fixtures.h"
#include "persistence/memory_settings_store.h"
#include "persistence/profile_name.h"
#include "persistence/profiles.h"
#include "persistence/settings_keys.h"
#include "support/case_file.h"

namespace orrery {
namespace {

const std::string kLab = "Quorvane Users\\lab";

GraphSettings savedAndLoaded(const GraphSettings& saved, MemorySettingsStore& store,
                             const GraphSettings& into = GraphSettings{}) {
    EXPECT_EQ(SaveProfile(store, "lab", saved), std::nullopt);
    GraphSettings loaded = into;
    EXPECT_EQ(LoadProfile(store, "lab", loaded), std::nullopt);
    return loaded;
}

// The values one row of profile_values.txt stands for: "{0-9}" repeats the
// text for ten names, "{R,G,B}" takes one text each.
std::vector<std::pair<std::string, std::string>> rowValues(const std::string& name, const std::string& text) {
    const std::size_t open = name.find('{');
    if (open == std::string::npos) return {{name == "(default)" ? "" : name, text}};
    const std::size_t close = name.find('}');
    const std::string inner = name.substr(open + 1, close - open - 1);
    std::vector<std::string> parts;
    std::istringstream list(inner), texts(text);
    for (std::string part; std::getline(list, part, ',');) parts.push_back(part);
    if (inner == "0-9") parts = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    std::vector<std::pair<std::string, std::string>> values;
    for (const std::string& part : parts) {
        std::string t = text;
        if (inner != "0-9") texts >> t;
        values.emplace_back(name.substr(0, open) + part + name.substr(close + 1), t);
    }
    return values;
}

TEST(Profiles, ValuesOfTheStartUpSettingsInWriteOrder) {
    MemorySettingsStore store;
    ASSERT_EQ(SaveProfile(store, "lab", testing::startUpModel().settings), std::nullopt);
    const MemorySettingsStore::Values& values = store.values(kLab);
    std::size_t i = 0;
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/profile_values.txt", 40, [&](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 2u);
        for (const auto& value : rowValues(c.fields[0], c.fields[1])) {
            ASSERT_LT(i, values.size());
            EXPECT_EQ(values[i++], value);
        }
    });
    EXPECT_EQ(i, values.size());
}

TEST(Profiles, NamesAreKeptInLowerCase) {
    MemorySettingsStore store;
    ASSERT_EQ(SaveProfile(store, "Lab", GraphSettings{}), std::nullopt);
    EXPECT_TRUE(store.keyExists(kLab));
    EXPECT_EQ(lowerCaseProfileName("ÜBER Straße ΣΑΣ ДОМ ŁÓDŹ Ÿ"), "über straße σασ дом łódź ÿ");
    EXPECT_EQ(DeleteProfile(store, "lAb"), std::nullopt);
    EXPECT_EQ(DeleteProfile(store, "lab"), std::nullopt);  // already gone: no error
}

TEST(Profiles, NamesThatWouldNestKeysOrAreEmptyAreRefused) {
    MemorySettingsStore store;
    for (const char* name : {"a/b", "a\\b", ""}) {
        const auto message = SaveProfile(store, name, GraphSettings{});
        ASSERT_TRUE(message.has_value()) << name;
        EXPECT_EQ(message->caption, "INPUT ERROR");
        GraphSettings s;
        EXPECT_TRUE(LoadProfile(store, name, s).has_value());
        EXPECT_TRUE(DeleteProfile(store, name).has_value());
        EXPECT_FALSE(ProfileExists(store, name));
    }
    EXPECT_EQ(SaveProfile(store, "a/b", GraphSettings{})->text,
              "A profile name cannot contain \"/\" or \"\\\". Please choose another name.");
    EXPECT_FALSE(store.keyExists(std::string(kProfilesKey)));
}

TEST(Profiles, RichSettingsComeBack) {
    MemorySettingsStore store;
    GraphSettings saved = testing::richModel().settings;
    saved.toolTips = false;
    saved.splitScreen = false;
    saved.calculatorProportion = 0.05;
    GraphSettings into;
    into.limits.assign(3, CurveLimits{});  // limits only fill stored entries
    const GraphSettings loaded = savedAndLoaded(saved, store, into);
    GraphSettings expected = saved;  // all 12 line styles and 11 curve colours among them
    expected.pointCounts = {2, 500, 123, 500, 500, 500, 500, 500, 500, 500};  // three over ten
    expected.thicknesses = {10, 1, 5, 7, 1, 1, 1, 1, 1, 1};
    expected.modified = true;
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(store.read(kLab, "dLimit1_1"), "100.250000");
    EXPECT_EQ(store.read(kLab, "dLimit0_1"), "1.000000");
}

TEST(Profiles, MissingValuesLeaveTheirSettings) {
    MemorySettingsStore store;
    GraphSettings saved;
    saved.lineStyles.assign(12, 2);
    saved.curveColors.assign(6, 0x00010203);
    saved.axesColor = 0x00AABBCC;
    ASSERT_EQ(SaveProfile(store, "lab", saved), std::nullopt);
    store.removeValue(kLab, "iCC3_G");
    store.removeValue(kLab, "iGreenAxes");
    store.write(kLab, "NumThickness", "many");
    store.write(kLab, "uThickness0", "5");
    store.write(kLab, "iNumPts1", "30002");      // out of range: not taken
    store.write(kLab, "uLineStyle4", "3 and more");  // "%d" takes the 3

    GraphSettings into;
    into.axesColor = 0x00000000;
    into.thicknesses.assign(10, 9);
    into.pointCounts.assign(10, 300);
    GraphSettings loaded = into;
    ASSERT_EQ(LoadProfile(store, "lab", loaded), std::nullopt);
    EXPECT_EQ(std::vector<ColorRef>(loaded.curveColors.begin(), loaded.curveColors.begin() + 3),
              std::vector<ColorRef>(3, 0x00010203));
    EXPECT_EQ(loaded.curveColors[3], GraphSettings{}.curveColors[3]);
    EXPECT_EQ(loaded.curveColors[5], GraphSettings{}.curveColors[5]);
    EXPECT_EQ(loaded.axesColor, 0x00AA00CC);  // the missing green stays 0
    EXPECT_EQ(loaded.thicknesses, into.thicknesses);
    EXPECT_EQ(loaded.pointCounts[0], 500);
    EXPECT_EQ(loaded.pointCounts[1], 300);
    EXPECT_EQ(loaded.lineStyles[4], 3);
    EXPECT_EQ(loaded.lineStyles.size(), 12u);

    store.removeValue(kLab, "NumLineStyle");
    GraphSettings unchanged = into;
    ASSERT_EQ(LoadProfile(store, "lab", unchanged), std::nullopt);
    EXPECT_EQ(unchanged.lineStyles, into.lineStyles);
}

TEST(Profiles, LimitsAreSharedWhenAllLimitsAndNeverExtended) {
    MemorySettingsStore store;
    GraphSettings saved;
    saved.limits = {{-1, 1, -2, 2}, {-3, 3, -4, 4}};
    saved.allLimits = true;
    GraphSettings into;
    into.limits.assign(3, CurveLimits{});
    // Every entry takes each stored bound in turn, so the last entry's win.
    GraphSettings shared = savedAndLoaded(saved, store, into);
    EXPECT_EQ(shared.limits, std::vector<CurveLimits>(3, CurveLimits{-3, 3, -4, 4}));

    store.write(kLab, "bAllLimits", "0");
    store.write(kLab, "dLimit0_2", "nan");
    store.write(kLab, "dLimit1_1", "-3.5");  // as a zoom past the curve leaves it
    GraphSettings separate = into;
    ASSERT_EQ(LoadProfile(store, "lab", separate), std::nullopt);
    EXPECT_EQ(separate.limits[0], (CurveLimits{-1, 1, -5, 2}));
    EXPECT_EQ(separate.limits[1], (CurveLimits{-3, -3.5, -4, 4}));
    EXPECT_EQ(separate.limits[2], CurveLimits{});

    GraphSettings shorter;  // one stored entry: entry 1 of the profile has nowhere to go
    shorter.limits.assign(1, CurveLimits{});
    ASSERT_EQ(LoadProfile(store, "lab", shorter), std::nullopt);
    EXPECT_EQ(shorter.limits.size(), 1u);
}

TEST(Profiles, UnsavedProfileAndFailingStore) {
    MemorySettingsStore store;
    GraphSettings s;
    EXPECT_TRUE(LoadProfile(store, "Ghost", s).has_value());  // the text is the page's to show
    EXPECT_EQ(s, GraphSettings{});

    store.failFlush = true;
    const auto failed = SaveProfile(store, "lab", s);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->text, "Could not save the profile lab: the settings file cannot be written.");
}

}  // namespace
}  // namespace orrery
