// The values the program keeps for itself: graph text style and anchor,
// recent files and the tip number.

#include <gtest/gtest.h>

#include "persistence/graph_text_values.h"
#include "persistence/memory_settings_store.h"
#include "persistence/recent_file_values.h"
#include "persistence/tip_number.h"

namespace orrery {
namespace {

TEST(GraphTextValues, StyleIsTakenOnlyWhole) {
    MemorySettingsStore store;
    GraphText styled;
    styled.bold = true;
    styled.italic = true;
    styled.color = 0x00102030;
    styled.fontIndex = 5;
    styled.sizeIndex = 22;
    SaveGraphTextStyle(store, styled);
    EXPECT_EQ(store.read("097", "GraphTextColor"), "1056816");
    EXPECT_EQ(store.read("097", "uFontNum"), "5");

    GraphText loaded;
    EXPECT_TRUE(LoadGraphTextStyle(store, loaded));
    EXPECT_TRUE(loaded.bold && loaded.italic && !loaded.underline);
    EXPECT_EQ(loaded.color, 0x00102030u);
    EXPECT_EQ(loaded.fontIndex, 5);
    EXPECT_EQ(loaded.sizeIndex, 22);

    // One bad or missing value: the whole style returns to the defaults.
    for (const auto& [name, text] : {std::pair{"uFontNum", "6"}, {"uFont", "23"}, {"GraphTextColor", "-1"},
                                     {"bItalic", "yes"}}) {
        MemorySettingsStore damaged = store;
        damaged.write("097", name, text);
        GraphText t = styled;
        EXPECT_FALSE(LoadGraphTextStyle(damaged, t)) << name;
        EXPECT_EQ(t, GraphText{}) << name;
    }
    store.removeValue("097", "bUnderline");
    GraphText t = styled;
    EXPECT_FALSE(LoadGraphTextStyle(store, t));
    EXPECT_EQ(t.color, GraphText::kDefaultColor);
}

TEST(GraphTextValues, PositionNeedsBothFiniteValues) {
    MemorySettingsStore store;
    GraphText text;
    text.x = 0.5;
    text.y = -0.125;
    SaveGraphTextPosition(store, text);
    EXPECT_EQ(store.read("097", "dX"), "0.500000");
    GraphText loaded;
    EXPECT_TRUE(LoadGraphTextPosition(store, loaded));
    EXPECT_EQ(loaded.x, 0.5);
    EXPECT_EQ(loaded.y, -0.125);

    store.write("097", "dY", "inf");
    EXPECT_FALSE(LoadGraphTextPosition(store, loaded));
    EXPECT_EQ(loaded.x, 0.75);
    EXPECT_EQ(loaded.y, 0.25);
}

TEST(RecentFileValues, AtMostNineMostRecentFirst) {
    MemorySettingsStore store;
    std::vector<std::string> paths;
    for (int i = 0; i < 11; ++i) paths.push_back("/home/ana/graph " + std::to_string(i) + ", ünï.qpl");
    SaveRecentFiles(store, paths);
    EXPECT_EQ(store.read("QRV_097_QPL", "NumFiles"), "9");
    EXPECT_EQ(store.read("QRV_097_QPL", "File8"), paths[8]);
    EXPECT_EQ(store.read("QRV_097_QPL", "File9"), std::nullopt);
    EXPECT_EQ(LoadRecentFiles(store), std::vector<std::string>(paths.begin(), paths.begin() + 9));

    store.write("QRV_097_QPL", "NumFiles", "3");
    store.removeValue("QRV_097_QPL", "File1");
    EXPECT_EQ(LoadRecentFiles(store), (std::vector<std::string>{paths[0], paths[2]}));
    store.write("QRV_097_QPL", "NumFiles", "-4");
    EXPECT_TRUE(LoadRecentFiles(store).empty());
    store.write("QRV_097_QPL", "NumFiles", "2000000000");
    EXPECT_EQ(LoadRecentFiles(store).size(), 8u);

    // Values no path can be are not taken: too long, or with control characters.
    store.write("QRV_097_QPL", "File0", "/" + std::string(4095, 'a'));
    store.write("QRV_097_QPL", "File2", "/" + std::string(4096, 'a'));
    store.write("QRV_097_QPL", "File3", "/tmp/a\nb.qpl");
    store.write("QRV_097_QPL", "File4", std::string("/tmp/a\x1b[31m.qpl"));
    store.write("QRV_097_QPL", "File5", "/tmp/a\x7f.qpl");
    store.write("QRV_097_QPL", "NumFiles", "6");
    EXPECT_EQ(LoadRecentFiles(store), (std::vector<std::string>{"/" + std::string(4095, 'a')}));
    store.write("QRV_097_QPL", "NumFiles", "6" + std::string(5000, ' '));
    EXPECT_TRUE(LoadRecentFiles(store).empty());
}

TEST(TipNumber, ZeroUntilWritten) {
    MemorySettingsStore store;
    EXPECT_EQ(ReadTipNumber(store), 0);
    WriteTipNumber(store, 17);
    EXPECT_EQ(store.read("097", "TipNumber"), "17");
    EXPECT_EQ(ReadTipNumber(store), 17);
    store.write("097", "TipNumber", "seven");
    EXPECT_EQ(ReadTipNumber(store), 0);
    // The start-up tips are on until unticked, and stay off once unticked.
    EXPECT_TRUE(ReadShowTips(store));
    WriteShowTips(store, false);
    EXPECT_EQ(store.read("097", "bShowTips"), "0");
    EXPECT_FALSE(ReadShowTips(store));
}

}  // namespace
}  // namespace orrery
