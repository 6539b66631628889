#include "expression_keys.h"

#include <gtest/gtest.h>

#include "common/c_numeric.h"
#include "expression/markers.h"
#include "expression/typing.h"

namespace orrery::testing {

std::vector<ExpressionToken> keysFor(const std::string& text) {
    std::vector<ExpressionToken> keys;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t brace = text.find('{', i);
        const std::string typed = text.substr(i, brace == std::string::npos ? brace : brace - i);
        for (const ExpressionToken& key : typeText(typed, {}, true).tokens) keys.push_back(key);
        if (brace == std::string::npos) break;
        const std::size_t close = text.find('}', brace);
        const std::string name = text.substr(brace + 1, close - brace - 1);
        bool found = false;
        for (int k = 0; k < kKeyCount; ++k) {
            if (keyAt(k).name == name) {
                keys.push_back(keyAt(k));
                found = true;
            }
        }
        EXPECT_TRUE(found) << "no key named " << name;
        i = close + 1;
    }
    return keys;
}

double parseExpectedValue(const std::string& text) {
    if (text == "High") return kUndefinedHigh;
    if (text == "Low") return kUndefinedLow;
    return parseDoubleC(text);
}

std::string describeValue(double value) {
    if (value == kUndefinedHigh) return "High";
    if (value == kUndefinedLow) return "Low";
    return formatC("%.17g", value);
}

}  // namespace orrery::testing
