#include "statistics/window_calculation.h"

#include <cmath>

#include "common/c_numeric.h"
#include "statistics/chi_square_distribution.h"
#include "statistics/degrees_text.h"
#include "statistics/f_distribution.h"
#include "statistics/normal_distribution.h"
#include "statistics/t_distribution.h"

namespace orrery {
namespace {

struct Limits {
    double lower = 0.0;
    double upper = 0.0;
};

WindowCalculation refuse(UserMessage message) {
    WindowCalculation result;
    result.message = std::move(message);
    return result;
}

UserMessage inputError(const char* text) {
    return {"Input Error", text};
}

// Both limits as "%lf"; "nan" reads as a number there but is none.
std::optional<double> readLimit(std::string_view text) {
    const std::optional<double> value = scanDouble(text);
    if (!value || std::isnan(*value)) return std::nullopt;
    return value;
}

std::optional<UserMessage> readLimits(std::string_view first, std::string_view second,
                                      Limits& limits) {
    const std::optional<double> a = readLimit(first);
    if (!a) return inputError("Please put in a numerical value for z1.");
    const std::optional<double> b = readLimit(second);
    if (!b) return inputError("Please put in a numerical value for z2.");
    limits = {*a, *b};
    return std::nullopt;
}

// Stores the limits and computes their area: the last step, reached only
// when every input was accepted.
WindowCalculation finish(Distribution& d, Limits limits) {
    WindowCalculation result;
    result.swapped = d.setLimits(limits.lower, limits.upper);
    result.area = d.area(limits.lower, limits.upper);
    result.probability = formatC("%lf", result.area);
    return result;
}

WindowCalculation calculateSingleDegree(SingleDegreeDistribution& d, std::string_view first,
                                        std::string_view second, std::string_view degrees,
                                        bool nonNegative, const char* noDegreesText) {
    Limits limits;
    if (auto message = readLimits(first, second, limits)) return refuse(*message);
    if (nonNegative && (limits.lower < 0.0 || limits.upper < 0.0))
        return refuse(
            inputError("The Chi Square distribution is not defined for negative values."));
    const std::optional<int> n = scanDegrees(degrees);
    if (!n) return refuse(inputError(noDegreesText));
    if (auto message = d.setDegreesOfFreedom(*n)) return refuse(*message);
    return finish(d, limits);
}

}  // namespace

WindowCalculation calculateNormalWindow(NormalDistribution& normal, std::string_view z1,
                                        std::string_view z2) {
    Limits limits;
    if (auto message = readLimits(z1, z2, limits)) return refuse(*message);
    return finish(normal, limits);
}

WindowCalculation calculateTWindow(TDistribution& t, std::string_view t1, std::string_view t2,
                                   std::string_view degrees) {
    return calculateSingleDegree(t, t1, t2, degrees, false,
                                 "Please put in a numerical value for the degrees of freedom");
}

WindowCalculation calculateChiSquareWindow(ChiSquareDistribution& chiSquare, std::string_view x1,
                                           std::string_view x2, std::string_view degrees) {
    return calculateSingleDegree(chiSquare, x1, x2, degrees, true,
                                 "Please put in a numerical value for V.");
}

WindowCalculation calculateFWindow(FDistribution& f, std::string_view f1, std::string_view f2,
                                   std::string_view d1Text, std::string_view d2Text) {
    Limits limits;
    if (auto message = readLimits(f1, f2, limits)) return refuse(*message);
    const std::optional<int> d1 = scanDegrees(d1Text);
    if (!d1) return refuse(inputError("Please put in a numerical value for F1."));
    const std::optional<int> d2 = scanDegrees(d2Text);
    if (!d2) return refuse(inputError("Please put in a numerical value for F2."));
    // Both degrees are checked before either is kept, so a refusal leaves
    // the drawing on the degrees it had.
    const int oldD1 = f.d1(), oldD2 = f.d2();
    const std::string text = f.setD1(*d1) + f.setD2(*d2);
    if (!text.empty()) {
        f.setD1(oldD1);
        f.setD2(oldD2);
        return refuse({"OUT OF BOUNDS", text});
    }
    return finish(f, limits);
}

}  // namespace orrery
