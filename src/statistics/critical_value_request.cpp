#include "statistics/critical_value_request.h"

#include "common/c_numeric.h"
#include "statistics/chi_square_distribution.h"
#include "statistics/degrees_text.h"
#include "statistics/f_distribution.h"
#include "statistics/normal_distribution.h"
#include "statistics/t_distribution.h"

namespace orrery {
namespace {

// The accepted alpha range and the wording of one dialog.
struct AlphaRule {
    double upperBound;
    const char* emptyText;
    const char* refusedText;
    const char* outputFormat;
};

constexpr AlphaRule kNormalRule{0.5, "Pleae enter a positive number < .5 for Alpha",
                                "Alpha must be a positive number < 0.5 You entered alpha = ", "%.3lf"};
constexpr AlphaRule kTRule{0.5, "Pleae enter a positive number < 0.5 for Alpha",
                           "Alpha must be a positive number <.5 You entered alpha = ", "%.2lf"};
constexpr AlphaRule kFRule = kTRule;
constexpr AlphaRule kChiSquareRule{1.0, "Pleae enter a positive number < 1 for Alpha",
                                   "Alpha must be a positive number <1 You entered alpha = ", "%.6lf"};

CriticalValueOutcome refuse(UserMessage message) { return {{}, std::move(message)}; }

CriticalValueOutcome computeForAlpha(const Distribution& distribution, const AlphaRule& rule,
                                     std::string_view alphaText) {
    if (alphaText.empty()) return refuse({"INPUT ERROR", rule.emptyText});
    const std::optional<double> alpha = scanDouble(alphaText);
    if (!alpha || !(*alpha > 0.0 && *alpha < rule.upperBound))
        return refuse({"INPUT ERROR", rule.refusedText + std::string(alphaText)});
    return {formatC(rule.outputFormat, distribution.criticalValue(*alpha)), std::nullopt};
}

// A box that holds no whole number counts as 0, which every setter refuses.
int readDegrees(std::string_view text) { return scanDegrees(text).value_or(0); }

}  // namespace

CriticalValueOutcome calculateNormalCritical(const NormalDistribution& normal, std::string_view alphaText) {
    return computeForAlpha(normal, kNormalRule, alphaText);
}

CriticalValueOutcome calculateTCritical(TDistribution& t, std::string_view degreesText,
                                        std::string_view alphaText) {
    if (auto message = t.setDegreesOfFreedom(readDegrees(degreesText))) return refuse(*message);
    return computeForAlpha(t, kTRule, alphaText);
}

CriticalValueOutcome calculateChiSquareCritical(ChiSquareDistribution& chiSquare,
                                                std::string_view degreesText,
                                                std::string_view alphaText) {
    if (auto message = chiSquare.setDegreesOfFreedom(readDegrees(degreesText))) return refuse(*message);
    return computeForAlpha(chiSquare, kChiSquareRule, alphaText);
}

CriticalValueOutcome calculateFCritical(FDistribution& f, std::string_view d1Text, std::string_view d2Text,
                                        std::string_view alphaText) {
    const std::string text = f.setD1(readDegrees(d1Text)) + f.setD2(readDegrees(d2Text));
    if (!text.empty()) return refuse({"OUT OF RANGE", text});
    return computeForAlpha(f, kFRule, alphaText);
}

}  // namespace orrery
