#include "statistics/f_distribution.h"

#include "common/c_numeric.h"
#include "statistics/f_axis_range.h"

namespace orrery {
namespace {

constexpr int kMaxFDegrees = 80;

std::string checkFDegrees(int n, int which) {
    if (n < 1) return formatC("The degrees of freedom #%d must be >= 1\n", which);
    if (n > kMaxFDegrees)
        return formatC("Calculation not accurate if the degrees of freedom #%d exceed 80.\n", which);
    return {};
}

}  // namespace

std::string FDistribution::setD1(int n) {
    std::string message = checkFDegrees(n, 1);
    if (message.empty()) d1_ = n;
    return message;
}

std::string FDistribution::setD2(int n) {
    std::string message = checkFDegrees(n, 2);
    if (message.empty()) d2_ = n;
    return message;
}

int FDistribution::axisRange() const { return fAxisRange(d1_, d2_); }

AxisTicks FDistribution::axisTicks() const {
    const int r = axisRange();
    if (r <= 5) return {0.5, 2 * r};
    return ticksByDivisor(r);
}

}  // namespace orrery
