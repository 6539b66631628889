#include "graphing/graph_ticks.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/case_file.h"

namespace orrery {
namespace {

std::vector<double> numbers(const std::string& field) {
    std::vector<double> out;
    if (field == "-") return out;
    std::istringstream in(field);
    for (double v; in >> v;) out.push_back(v);
    return out;
}

TEST(GraphTicks, CasesFile) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/ticks.txt", 9, [](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 6u);
        const auto ticks = computeTicks(std::stod(c.fields[0]), std::stod(c.fields[1]),
                                        std::stoi(c.fields[2]), c.fields[3] == "x");
        const auto values = numbers(c.fields[4]);
        const auto positions = numbers(c.fields[5]);
        ASSERT_EQ(ticks.size(), values.size());
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            EXPECT_NEAR(ticks[k].value, values[k], 1e-12 * (1 + std::abs(values[k]))) << "tick " << k;
            EXPECT_EQ(ticks[k].position, static_cast<int>(positions[k])) << "tick " << k;
        }
    });
}

TEST(GraphTicks, TinyAndHugeRangesStayBounded) {
    EXPECT_TRUE(computeTicks(1e300, 1e300 + 1e285, 440, true).size() <= 1000);
    EXPECT_TRUE(computeTicks(-1e308, 1e308, 440, true).empty());  // the width overflows
    EXPECT_TRUE(computeTicks(1, 1, 440, true).empty());
    const auto small = computeTicks(0, 1e-300, 440, true);
    EXPECT_LE(small.size(), 13u);
}

}  // namespace
}  // namespace orrery
