// Runs every case of distributions.txt through the distributions.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/c_numeric.h"
#include "support/case_file.h"
#include "statistics/chi_square_distribution.h"
#include "statistics/f_distribution.h"
#include "statistics/normal_distribution.h"
#include "statistics/t_distribution.h"

namespace orrery {
namespace {

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string w; in >> w;) result.push_back(w);
    return result;
}

int number(const std::vector<std::string>& w, std::size_t i) {
    return i < w.size() ? scanInt(w[i]).value_or(0) : 0;
}

std::unique_ptr<Distribution> makeDistribution(const std::vector<std::string>& w) {
    const std::string name = w.empty() ? "" : w[0];
    if (name == "normal") return std::make_unique<NormalDistribution>();
    if (name == "chi-square") {
        auto d = std::make_unique<ChiSquareDistribution>();
        if (d->setDegreesOfFreedom(number(w, 1))) return nullptr;
        return d;
    }
    if (name == "t") {
        auto d = std::make_unique<TDistribution>();
        if (d->setDegreesOfFreedom(number(w, 1))) return nullptr;
        return d;
    }
    if (name == "F") {
        auto d = std::make_unique<FDistribution>();
        if (!(d->setD1(number(w, 1)) + d->setD2(number(w, 2))).empty()) return nullptr;
        return d;
    }
    return nullptr;
}

double argument(const std::vector<std::string>& w, std::size_t i) {
    return i < w.size() ? parseDoubleC(w[i]) : std::nan("");
}

TEST(DistributionGolden, EveryCaseHolds) {
    // distribution and degrees of freedom : operation and arguments = value(s) +- tolerance
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/distributions.txt", 90, [](const testing::Case& c) {
        const std::string& text = c.fields[0];
        const auto colon = text.find(':'), equals = text.find('=');
        ASSERT_TRUE(colon < equals && equals != std::string::npos) << "malformed line";
        const std::vector<std::string> operation = words(text.substr(colon + 1, equals - colon - 1));
        const std::vector<std::string> expected = words(text.substr(equals + 1));
        ASSERT_FALSE(operation.empty() || expected.empty()) << "malformed line";
        const std::unique_ptr<Distribution> d = makeDistribution(words(text.substr(0, colon)));
        ASSERT_TRUE(d) << "unknown distribution or refused degrees of freedom";
        const std::string& op = operation[0];
        if (op == "ticks") {
            ASSERT_EQ(expected.size(), 2u);
            EXPECT_EQ(d->axisTicks(), (AxisTicks{argument(expected, 0), number(expected, 1)}));
            return;
        }
        double actual = 0.0;
        if (op == "area") actual = d->area(argument(operation, 1), argument(operation, 2));
        else if (op == "critical") actual = d->criticalValue(argument(operation, 1));
        else if (op == "density") actual = d->density(argument(operation, 1));
        else if (op == "axis") actual = d->axisRange();
        else FAIL() << "unknown operation " << op;

        if (expected[0] == "infinite") {
            EXPECT_TRUE(isUndefinedValue(actual)) << actual;
            return;
        }
        ASSERT_EQ(expected.size(), 3u);
        ASSERT_EQ(expected[1], "+-");
        EXPECT_NEAR(actual, argument(expected, 0), argument(expected, 2));
    });
}

}  // namespace
}  // namespace orrery
