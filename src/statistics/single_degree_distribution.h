#pragma once

#include <optional>

#include "common/user_message.h"
#include "statistics/distribution.h"

namespace orrery {

// Chi-square and t: one count of degrees of freedom, accepted from 1 to 280.
// They differ only in the text shown above the range.
class SingleDegreeDistribution : public Distribution {
public:
    static constexpr int kMaxDegreesOfFreedom = 280;

    int degreesOfFreedom() const { return n_; }
    // Keeps the old value and returns the message when n is outside 1..280.
    std::optional<UserMessage> setDegreesOfFreedom(int n);

protected:
    SingleDegreeDistribution(int initial, const char* tooLargeText) : n_(initial), tooLargeText_(tooLargeText) {}

private:
    int n_;
    const char* tooLargeText_;
};

}  // namespace orrery
