#pragma once

#include <string>

namespace orrery {

class Distribution;
class NormalDistribution;
class TDistribution;
class FDistribution;
class ChiSquareDistribution;

enum class DistributionKind { Normal, T, F, ChiSquare };

// One window's distribution as its drawing and texts see it: which one,
// the object, and its degrees of freedom (d1 and d2 for F, 0 where unused).
struct DrawnDistribution {
    DistributionKind kind = DistributionKind::Normal;
    const Distribution* distribution = nullptr;
    int d1 = 0;
    int d2 = 0;
};

DrawnDistribution drawnDistribution(const NormalDistribution& normal);
DrawnDistribution drawnDistribution(const TDistribution& t);
DrawnDistribution drawnDistribution(const FDistribution& f);
DrawnDistribution drawnDistribution(const ChiSquareDistribution& chiSquare);

// The window's title, which is also its class name.
const char* distributionTitle(DistributionKind kind);

// The one-line annotation under the drawing, with the current limits and area.
std::string annotationText(const DrawnDistribution& drawn);

// The status line under the drawing: the distribution and its parameters in
// words with the probability of the current limits, for instance
// "t distribution, 5 degrees of freedom: P(−1 ≤ t ≤ 2) = 0.781…".
std::string statusLineText(const DrawnDistribution& drawn);

}  // namespace orrery
