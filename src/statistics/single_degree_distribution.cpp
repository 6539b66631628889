#include "statistics/single_degree_distribution.h"

namespace orrery {

std::optional<UserMessage> SingleDegreeDistribution::setDegreesOfFreedom(int n) {
    if (n < 1) return UserMessage{"INPUT ERROR", "The degrees of freedom must be >= 1"};
    if (n > kMaxDegreesOfFreedom) return UserMessage{"OUT OF BOUNDS", tooLargeText_};
    n_ = n;
    return std::nullopt;
}

}  // namespace orrery
