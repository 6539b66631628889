#include "utilities/number_systems.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "support/case_file.h"

namespace orrery {
namespace {

int systemIndex(const std::string& name) {
    if (name == "Base 10") return 0;
    if (name == "Binary") return 1;
    if (name == "Hexadecimal") return 2;
    if (name == "Octal") return 3;
    ADD_FAILURE() << "no number system \"" << name << "\"";
    return -1;
}

TEST(NumberSystems, Cases) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/number_systems.txt", 30, [&](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 4u);
        const NumberConversion out = convertNumber(c.fields[1], systemIndex(c.fields[0]), systemIndex(c.fields[2]));
        if (c.fields[3].starts_with("error: ")) {
            EXPECT_EQ(out.error, c.fields[3].substr(7));
            EXPECT_EQ(out.result, "");
        } else {
            EXPECT_EQ(out.error, "");
            EXPECT_EQ(out.result, c.fields[3]);
        }
    });
}

TEST(NumberSystems, UnknownSystemsAndEmptyInput) {
    EXPECT_EQ(convertNumber("1", 4, 0).error, "No such measurement type");
    EXPECT_EQ(convertNumber("1", 0, -1).error, "No such measurement type");
    EXPECT_EQ(convertNumber("", 0, 1).error, "Cannot interpret input as an integer\n");
    EXPECT_EQ(convertNumber(".", 3, 1).error, "Cannot interpret input as an octal integer\n");
    EXPECT_EQ(convertNumber("", 1, 0).error, "Binary digits are limited to '0' and '1' .");
}

TEST(NumberSystems, WholeNumbersAgreeWithPrintf) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<unsigned> dist(0, (1u << 31) - 1);
    for (int k = 0; k < 200; ++k) {
        const unsigned v = dist(gen);
        char dec[16], hex[16], oct[16];
        std::snprintf(dec, sizeof dec, "%u", v);
        std::snprintf(hex, sizeof hex, "%x", v);
        std::snprintf(oct, sizeof oct, "%o", v);
        EXPECT_EQ(convertNumber(dec, 0, 2).result, hex);
        EXPECT_EQ(convertNumber(hex, 2, 3).result, oct);
        EXPECT_EQ(convertNumber(oct, 3, 0).result, dec);
    }
}

// Fractions of 21 binary digits or fewer are exact in every system within 21
// digits, so any chain of conversions ends where it started.
TEST(NumberSystems, FractionsRoundTripThroughEverySystem) {
    std::mt19937 gen(11);
    std::uniform_int_distribution<unsigned> whole(0, (1u << 31) - 1);
    std::uniform_int_distribution<unsigned> bits(1, (1u << 21) - 1);
    std::uniform_int_distribution<int> system(0, 3);
    for (int k = 0; k < 200; ++k) {
        std::string binary;
        for (unsigned v = whole(gen); v > 0; v /= 2) binary.insert(binary.begin(), char('0' + v % 2));
        if (binary.empty()) binary = "0";
        std::string fraction;
        const unsigned f = bits(gen);
        for (int b = 20; b >= 0; --b) fraction += char('0' + ((f >> b) & 1));
        fraction.erase(fraction.find_last_not_of('0') + 1);
        const std::string start = binary + "." + fraction;

        std::string text = start;
        int from = 1;
        for (int step = 0; step < 4; ++step) {
            int to = system(gen);
            if (to == from) to = (to + 1) % 4;
            const NumberConversion out = convertNumber(text, from, to);
            ASSERT_TRUE(out.ok()) << text << ": " << out.error;
            text = out.result;
            from = to;
        }
        if (from != 1) text = convertNumber(text, from, 1).result;
        EXPECT_EQ(text, start);
    }
}

}  // namespace
}  // namespace orrery
