#include "statistics/degrees_text.h"

#include <climits>
#include <cmath>

#include "common/c_numeric.h"

namespace orrery {

std::optional<int> scanDegrees(std::string_view text) {
    if (const std::optional<int> n = scanInt(text)) return n;
    const std::optional<double> outside = scanDouble(text);
    if (!outside || std::isnan(*outside)) return std::nullopt;
    return *outside > 0 ? INT_MAX : INT_MIN;
}

}  // namespace orrery
