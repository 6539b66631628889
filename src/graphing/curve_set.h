#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "common/user_message.h"
#include "graphing/curve.h"
#include "graphing/graph_settings.h"

namespace orrery {

// The ordered curves and the current index. Never empty.
class CurveSet {
public:
    CurveSet();  // one empty curve, index 0

    std::int32_t count() const { return static_cast<std::int32_t>(curves_.size()); }
    // Keys over all curves.
    std::size_t keyCount() const;
    std::int32_t currentIndex() const { return current_; }
    void setCurrentIndex(std::int32_t i);  // ignored outside the set
    Curve& current() { return curves_[static_cast<std::size_t>(current_)]; }
    const Curve& current() const { return curves_[static_cast<std::size_t>(current_)]; }
    Curve& at(std::int32_t i) { return curves_.at(static_cast<std::size_t>(i)); }
    const Curve& at(std::int32_t i) const { return curves_.at(static_cast<std::size_t>(i)); }
    const std::vector<Curve>& curves() const { return curves_; }
    std::vector<Curve>& curves() { return curves_; }
    bool isLast() const { return current_ + 1 == count(); }

    // Appends a curve after the current one's index, takes the union of the
    // stored limits as its limits, and makes it current.
    void addCurve(GraphSettings& settings, const CurveLimits& graphRange, bool markModified);
    // Next Curve: refuses an empty current curve with "NOT SO FAST!"; moves
    // to the following curve, or appends one at the end.
    std::optional<UserMessage> nextCurve(GraphSettings& settings, const CurveLimits& graphRange);
    // Last Curve: the preceding curve, if any.
    void lastCurve();
    // One empty curve 0; the others are destroyed.
    void resetAll();
    void clearCurve(std::int32_t i);

    // i = -1 sets every curve; an index outside the set changes nothing.
    void setDerivative(std::int32_t i, bool on);
    bool derivativeShown(std::int32_t i) const;
    std::int32_t derivativeCount() const;
    bool anyCurveHasPointsInRange() const;
    // Worth a save question: more than one curve, or a current curve with keys.
    bool hasContent() const;

    // Replaces the whole content (a document being opened). The caller
    // guarantees at least one curve and a current index inside.
    void replace(std::vector<Curve> curves, std::int32_t current);

    friend bool operator==(const CurveSet&, const CurveSet&) = default;

private:
    std::vector<Curve> curves_;
    std::int32_t current_ = 0;
};

UserMessage emptyCurveMessage();

}  // namespace orrery
