#pragma once

namespace orrery {

// Which distribution and its parameters: all the probability code needs.
struct DistributionModel {
    enum class Family { Normal, ChiSquare, StudentT, FisherF };
    Family family = Family::Normal;
    double first = 0.0;   // degrees of freedom (d1 for F)
    double second = 0.0;  // d2 for F
};

// Left edge of the support: minus infinity, or 0 for chi-square and F.
double supportMinimum(const DistributionModel& model);

// For finite x inside the support (x > 0 where the support starts at 0):
double modelDensity(const DistributionModel& model, double x);
double modelLowerTail(const DistributionModel& model, double x);  // P(X <= x)
double modelUpperTail(const DistributionModel& model, double x);  // P(X > x)
// The x with P(X > x) = alpha, for 0 < alpha < 1.
double modelUpperQuantile(const DistributionModel& model, double alpha);

// The density where a support starting at 0 begins: infinite for chi-square
// with 1 degree of freedom and F with d1 = 1, 0.5 and 1 for 2, else 0.
double modelDensityAtZero(const DistributionModel& model);

}  // namespace orrery
