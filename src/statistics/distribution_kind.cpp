#include "statistics/distribution_kind.h"

#include "common/c_numeric.h"
#include "statistics/chi_square_distribution.h"
#include "statistics/f_distribution.h"
#include "statistics/normal_distribution.h"
#include "statistics/t_distribution.h"

namespace orrery {
namespace {

double currentArea(const Distribution& d) {
    return d.area(d.lowerLimit(), d.upperLimit());
}

// "%g", with a true minus sign for reading.
std::string limitInWords(double value) {
    std::string text = formatC("%g", value);
    if (!text.empty() && text.front() == '-') text.replace(0, 1, "\u2212");
    return text;
}

std::string degreesInWords(int n) {
    return formatC(n == 1 ? "%d degree of freedom" : "%d degrees of freedom", n);
}

}  // namespace

DrawnDistribution drawnDistribution(const NormalDistribution& normal) {
    return {DistributionKind::Normal, &normal};
}
DrawnDistribution drawnDistribution(const TDistribution& t) {
    return {DistributionKind::T, &t, t.degreesOfFreedom()};
}
DrawnDistribution drawnDistribution(const FDistribution& f) {
    return {DistributionKind::F, &f, f.d1(), f.d2()};
}
DrawnDistribution drawnDistribution(const ChiSquareDistribution& chiSquare) {
    return {DistributionKind::ChiSquare, &chiSquare, chiSquare.degreesOfFreedom()};
}

const char* distributionTitle(DistributionKind kind) {
    switch (kind) {
        case DistributionKind::Normal:
            return "Normal Distribution";
        case DistributionKind::T:
            return "T Distribution";
        case DistributionKind::F:
            return "F Distribution";
        case DistributionKind::ChiSquare:
            return "Chi Square Distribution";
    }
    return "";
}

std::string annotationText(const DrawnDistribution& drawn) {
    const Distribution& d = *drawn.distribution;
    const double lo = d.lowerLimit(), hi = d.upperLimit(), area = currentArea(d);
    switch (drawn.kind) {
        case DistributionKind::Normal:
            return formatC("Normal Distribution:  Z1= %lf,  Z2= %lf  Area = %.4lf", lo, hi, area);
        case DistributionKind::T:
            return formatC("T-Distribution:  d.f.= %d,  Z1= %lf,  Z2= %lf  Area = %.4lf", drawn.d1,
                           lo, hi, area);
        case DistributionKind::F:
            return formatC(
                "F-Distribution:  d.f. 1= %d, d.f. 2= %d, F1= %lf,  F2= %lf,  Area = %.4lf",
                drawn.d1, drawn.d2, lo, hi, area);
        case DistributionKind::ChiSquare:
            return formatC("X Sq. Distribution:  d.f. 1= %d, X1= %lf,  X2= %lf,  Area = %.4lf",
                           drawn.d1, lo, hi, area);
    }
    return {};
}

std::string statusLineText(const DrawnDistribution& drawn) {
    const Distribution& d = *drawn.distribution;
    std::string head, variable;
    switch (drawn.kind) {
        case DistributionKind::Normal:
            head = "Standard normal distribution";
            variable = "Z";
            break;
        case DistributionKind::T:
            head = "t distribution, " + degreesInWords(drawn.d1);
            variable = "t";
            break;
        case DistributionKind::F:
            head = formatC("F distribution, %d and %d degrees of freedom", drawn.d1, drawn.d2);
            variable = "F";
            break;
        case DistributionKind::ChiSquare:
            head = "Chi-square distribution, " + degreesInWords(drawn.d1);
            variable = "\u03c7\u00b2";
            break;
    }
    return head + ": P(" + limitInWords(d.lowerLimit()) + " \u2264 " + variable + " \u2264 " +
           limitInWords(d.upperLimit()) + ") = " + formatC("%lf", currentArea(d));
}

}  // namespace orrery
