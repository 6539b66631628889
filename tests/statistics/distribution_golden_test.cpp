// Runs every case of distributions.txt through the distributions.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/c_numeric.h"
#include "statistics/chi_square_distribution.h"
#include "statistics/f_distribution.h"
#include "statistics/normal_distribution.h"
#include "statistics/t_distribution.h"

namespace orrery {
namespace {

struct GoldenCase {
    int line = 0;
    std::string text;
    std::vector<std::string> distribution;  // name and degrees of freedom
    std::vector<std::string> operation;     // name and arguments
    std::vector<std::string> expected;      // value(s), then "+-" and tolerance
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string w; in >> w;) result.push_back(w);
    return result;
}

std::vector<GoldenCase> loadCases() {
    std::ifstream in(std::string(ORRERY_TEST_DATA_DIR) + "/distributions.txt");
    std::vector<GoldenCase> cases;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') continue;
        const auto colon = text.find(':');
        const auto equals = text.find('=');
        GoldenCase c;
        c.line = line;
        c.text = text;
        if (colon != std::string::npos && equals != std::string::npos && colon < equals) {
            c.distribution = words(text.substr(0, colon));
            c.operation = words(text.substr(colon + 1, equals - colon - 1));
            c.expected = words(text.substr(equals + 1));
        }
        cases.push_back(c);
    }
    return cases;
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
    const std::vector<GoldenCase> cases = loadCases();
    ASSERT_GT(cases.size(), 90u) << "distributions.txt not found or cut short";
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE("distributions.txt line " + std::to_string(c.line) + ": " + c.text);
        ASSERT_FALSE(c.operation.empty() || c.expected.empty()) << "malformed line";
        const std::unique_ptr<Distribution> d = makeDistribution(c.distribution);
        ASSERT_TRUE(d) << "unknown distribution or refused degrees of freedom";
        const std::string& op = c.operation[0];
        if (op == "ticks") {
            ASSERT_EQ(c.expected.size(), 2u);
            EXPECT_EQ(d->axisTicks(), (AxisTicks{argument(c.expected, 0), number(c.expected, 1)}));
            continue;
        }
        double actual = 0.0;
        if (op == "area") actual = d->area(argument(c.operation, 1), argument(c.operation, 2));
        else if (op == "critical") actual = d->criticalValue(argument(c.operation, 1));
        else if (op == "density") actual = d->density(argument(c.operation, 1));
        else if (op == "axis") actual = d->axisRange();
        else FAIL() << "unknown operation " << op;

        if (c.expected[0] == "infinite") {
            EXPECT_TRUE(isUndefinedValue(actual)) << actual;
            continue;
        }
        ASSERT_EQ(c.expected.size(), 3u);
        ASSERT_EQ(c.expected[1], "+-");
        EXPECT_NEAR(actual, argument(c.expected, 0), argument(c.expected, 2));
    }
}

}  // namespace
}  // namespace orrery
