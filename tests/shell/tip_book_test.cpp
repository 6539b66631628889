#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "persistence/memory_settings_store.h"
#include "shell/tip_book.h"

namespace orrery {
namespace {

std::string tip(int number) { return std::string(TipBook::Tips()[static_cast<size_t>(number - 1)]); }

TEST(TipBook, TipsAreInTheirOrderAndSpeakOfThisDesktop) {
    ASSERT_EQ(TipBook::Tips().size(), 32u);
    EXPECT_EQ(tip(2), "You can use the mouse or type (or a mixture of both) to enter numbers and functions.");
    EXPECT_EQ(tip(21), "Just for fun, to see a complex adaptive system evolve, Help->About.");
    for (const std::string_view text : TipBook::Tips()) {
        const std::string s(text);
        EXPECT_EQ(s.find("Microsoft"), std::string::npos) << s;
        EXPECT_EQ(s.find("Excel"), std::string::npos) << s;
        EXPECT_EQ(s.find("Help->Shortcuts"), std::string::npos) << s;
        // The keys are called by the names their faces show.
        EXPECT_EQ(s.find("Draw\\Cal"), std::string::npos) << s;
        EXPECT_EQ(s.find("\"F\" button"), std::string::npos) << s;
    }
    EXPECT_NE(tip(16).find("\"Shortcuts\" page"), std::string::npos);
}

TEST(TipBook, StepsWrapAroundBothEnds) {
    MemorySettingsStore store;
    TipBook book(store);
    EXPECT_EQ(book.index(), 0);
    EXPECT_EQ(book.PreviousTip(), tip(32));
    EXPECT_EQ(book.NextTip(), tip(1));
    EXPECT_EQ(book.NextTip(), tip(2));
    EXPECT_EQ(book.PreviousTip(), tip(1));

    // TakeTip gives the tip at the place, then moves on; after the last comes the first.
    for (int i = 0; i < 30; ++i) book.NextTip();
    EXPECT_EQ(book.index(), 30);
    EXPECT_EQ(book.TakeTip(), tip(31));
    EXPECT_EQ(book.TakeTip(), tip(32));
    EXPECT_EQ(book.TakeTip(), tip(1));
    EXPECT_EQ(book.index(), 1);
}

TEST(TipBook, PlaceIsKeptInTheStoreBetweenRuns) {
    struct Case {
        const char* stored;
        int firstTip;
        const char* storedAfterTwo;
    };
    const Case cases[] = {
        {nullptr, 1, "2"}, {"6", 7, "8"}, {"31", 32, "1"},
        // A damaged value starts again at the first tip.
        {"32", 1, "2"},    {"-5", 1, "2"}, {"2000000000", 1, "2"}, {"x", 1, "2"},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        if (c.stored) store.write("097", "TipNumber", c.stored);
        {
            TipBook book(store);
            EXPECT_EQ(book.TakeTip(), tip(c.firstTip)) << (c.stored ? c.stored : "none");
            book.TakeTip();
        }
        EXPECT_EQ(store.read("097", "TipNumber"), c.storedAfterTwo) << (c.stored ? c.stored : "none");
    }
}

}  // namespace
}  // namespace orrery
