#include "graphing/limit_validation.h"

#include <cmath>

#include "common/c_numeric.h"

namespace orrery {

namespace {

constexpr std::size_t kFieldCharacters = 31;
constexpr double kSmallestInterval = 1e-20;

// A valid interval is wider than 1e-20 and has a width that is a number;
// NaN fails the comparison, an overflowing width is refused too.
bool validInterval(double low, double high) {
    const double width = high - low;
    return width > kSmallestInterval && std::isfinite(width);
}

}  // namespace

LimitValidation validateLimits(GraphSettings& settings, std::int32_t i, bool all,
                               const std::array<std::string, 4>& fields) {
    static const char* const kImproper[4] = {
        "Improper limit for X min\n", "Improper limit for X max\n",
        "Improper limit for Y min\n", "Improper limit for Y max\n"};

    LimitValidation result;
    const CurveLimits previous = settings.limitsOf(i);
    std::string errors;
    for (int which = 0; which < 4; ++which) {
        const std::string& field = fields[static_cast<std::size_t>(which)];
        const auto value = scanDouble(std::string_view(field).substr(0, kFieldCharacters));
        // Infinity and NaN read as numbers but no graph can show them.
        if (value && std::isfinite(*value)) {
            result.limits.setBound(which, *value);
        } else {
            result.rewrittenFields[static_cast<std::size_t>(which)] = formatC("%lf", previous.bound(which));
            result.limits.setBound(which, previous.bound(which));
            errors += kImproper[which];
        }
    }
    if (!errors.empty()) {
        result.message = UserMessage{"Improper Limits", errors, MessageIcon::Warning, MessageButtons::Ok};
        return result;
    }

    const bool xValid = validInterval(result.limits.xMin, result.limits.xMax);
    const bool yValid = validInterval(result.limits.yMin, result.limits.yMax);
    if (xValid && yValid) {
        result.ok = true;
        return result;
    }

    result.uncheckAllCurves = true;
    if (!xValid) {
        for (int which : {0, 1}) {
            settings.setLimit(i, which, previous.bound(which), all);
            result.rewrittenFields[static_cast<std::size_t>(which)] = formatC("%lf", previous.bound(which));
        }
    }
    if (!yValid) {
        for (int which : {2, 3}) {
            settings.setLimit(i, which, previous.bound(which), true);
            result.rewrittenFields[static_cast<std::size_t>(which)] = formatC("%lf", previous.bound(which));
        }
    }
    result.message = UserMessage{
        "INVALID SCALING PARAMETERS",
        "xMax and yMax must be > than xMin and yMin respectively. The domain and/or range has been reset.",
        MessageIcon::Warning, MessageButtons::Ok};
    return result;
}

}  // namespace orrery
