#include "graphing/curve_set.h"

#include <algorithm>

#include "graphing/graph_limits.h"

namespace orrery {

UserMessage emptyCurveMessage() {
    return {"NOT SO FAST!",
            "Please add some input to the current curve before creating the next one.",
            MessageIcon::Warning, MessageButtons::Ok};
}

CurveSet::CurveSet() : curves_(1) {}

void CurveSet::setCurrentIndex(std::int32_t i) {
    if (i >= 0 && i < count()) current_ = i;
}

void CurveSet::addCurve(GraphSettings& settings, const CurveLimits& graphRange, bool markModified) {
    Curve curve;
    curve.index = count() == 0 ? 0 : current_ + 1;
    curve.limits = settings.unionOfLimits();
    // Fill any gap first, so every curve has a stored entry to change later.
    while (static_cast<std::int32_t>(settings.limits.size()) < curve.index)
        settings.limits.push_back(curve.limits);
    settings.setLimits(curve.index, curve.limits, markModified);
    settings.lineStyle(curve.index);
    curve.rescale(graphRange);
    curves_.push_back(std::move(curve));
    current_ = count() - 1;
}

std::optional<UserMessage> CurveSet::nextCurve(GraphSettings& settings, const CurveLimits& graphRange) {
    if (current().tokens.empty()) return emptyCurveMessage();
    if (!isLast())
        ++current_;
    else if (count() >= kMaxCurves)
        return tooManyCurvesMessage();
    else
        addCurve(settings, graphRange, true);
    return std::nullopt;
}

std::size_t CurveSet::keyCount() const {
    std::size_t keys = 0;
    for (const Curve& curve : curves_) keys += curve.tokens.size();
    return keys;
}

void CurveSet::lastCurve() {
    if (current_ > 0) --current_;
}

void CurveSet::resetAll() {
    curves_.resize(1);
    curves_[0].clear();
    current_ = 0;
}

void CurveSet::clearCurve(std::int32_t i) {
    if (i >= 0 && i < count()) at(i).clear();
}

void CurveSet::setDerivative(std::int32_t i, bool on) {
    if (i == -1) {
        for (auto& curve : curves_) curve.showDerivative = on;
    } else if (i >= 0 && i < count()) {
        at(i).showDerivative = on;
    }
}

bool CurveSet::derivativeShown(std::int32_t i) const {
    return i >= 0 && i < count() && at(i).showDerivative;
}

std::int32_t CurveSet::derivativeCount() const {
    return static_cast<std::int32_t>(
        std::count_if(curves_.begin(), curves_.end(), [](const Curve& c) { return c.showDerivative; }));
}

bool CurveSet::anyCurveHasPointsInRange() const {
    return std::any_of(curves_.begin(), curves_.end(),
                       [](const Curve& c) { return c.hasPointsInRange; });
}

bool CurveSet::hasContent() const { return count() > 1 || !current().tokens.empty(); }

void CurveSet::replace(std::vector<Curve> curves, std::int32_t current) {
    if (curves.empty()) curves.resize(1);
    curves_ = std::move(curves);
    current_ = std::clamp(current, 0, count() - 1);
}

}  // namespace orrery
