#include "common/c_numeric.h"

#include <gtest/gtest.h>

#include <clocale>

namespace orrery {
namespace {

TEST(CNumeric, FormatsAndReadsWithAPointWhateverTheProcessLocale) {
    // A locale with a decimal comma, where the machine has one.
    const bool haveComma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(formatC("%.2f|%d", 3.14159, 42), "3.14|42");
    EXPECT_EQ(scanDouble("2.5"), 2.5);
    if (haveComma) std::setlocale(LC_NUMERIC, "C");
}

TEST(CNumeric, ScanFollowsTheLeadingNumberRule) {
    EXPECT_EQ(scanDouble("  12.5abc"), 12.5);
    EXPECT_EQ(scanDouble("abc"), std::nullopt);
    EXPECT_EQ(scanDouble(""), std::nullopt);
    EXPECT_EQ(scanInt(" 17x"), 17);
    EXPECT_EQ(scanInt("99999999999"), std::nullopt);
    EXPECT_EQ(scanInt("-"), std::nullopt);
    std::size_t consumed = 0;
    EXPECT_EQ(parseDoubleC("5.", &consumed), 5.0);
    EXPECT_EQ(consumed, 2u);
}

}  // namespace
}  // namespace orrery
