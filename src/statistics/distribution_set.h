#pragma once

#include "statistics/chi_square_distribution.h"
#include "statistics/distribution_kind.h"
#include "statistics/f_distribution.h"
#include "statistics/normal_distribution.h"
#include "statistics/t_distribution.h"

namespace orrery {

// The four distributions of the statistics windows. One set lives for the
// whole run, so a reopened window finds its degrees of freedom and limits.
struct DistributionSet {
    NormalDistribution normal;
    TDistribution t;
    FDistribution f;
    ChiSquareDistribution chiSquare;

    DrawnDistribution drawn(DistributionKind kind) const {
        switch (kind) {
            case DistributionKind::T:
                return drawnDistribution(t);
            case DistributionKind::F:
                return drawnDistribution(f);
            case DistributionKind::ChiSquare:
                return drawnDistribution(chiSquare);
            case DistributionKind::Normal:
                break;
        }
        return drawnDistribution(normal);
    }
};

}  // namespace orrery
