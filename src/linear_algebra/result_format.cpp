#include "linear_algebra/result_format.h"

#include <algorithm>
#include <cmath>

#include "common/c_numeric.h"

namespace orrery {

int resultDecimals(ResultArithmetic arithmetic, const DigitCounts& counts) {
    constexpr int kMost = 6;
    const int d = counts.decimals;
    const int e = counts.integerDigits;
    int n = 0;
    switch (arithmetic) {
    case ResultArithmetic::Plain: n = e == 0 ? d : d + e + 1; break;
    case ResultArithmetic::Dividing: n = e <= 1 ? d + 2 : d + e + 1; break;
    case ResultArithmetic::Projection: n = kMost; break;
    }
    return std::min(n, kMost);
}

std::string formatResultEntry(double value, int decimals) {
    if (std::isnan(value)) return "Undefined";
    if (std::isinf(value)) return value > 0 ? "Overflow" : "-Overflow";
    std::string text = formatC("%.*f", decimals, value);
    // A negative value that rounds to zero (a cofactor of -0, say) shows as 0.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

}  // namespace orrery

namespace orrery {

std::vector<std::string> formatResultEntries(std::span<const double> values, int decimals) {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (const double v : values) texts.push_back(formatResultEntry(v, decimals));
    return texts;
}

}  // namespace orrery
