#include "graphing/curve.h"

#include <algorithm>

#include "expression/expression_limits.h"

namespace orrery {

void Curve::rescale(const CurveLimits& graphRange) {
    const double graphWidth = graphRange.xMax - graphRange.xMin;
    domainScale = (limits.xMax - limits.xMin) / graphWidth;
    domainOffset = (limits.xMin - graphRange.xMin) / graphWidth;
}

std::optional<UserMessage> Curve::insertAtCursor(const ExpressionToken& token) {
    if (auto tooLong = checkRoomForToken(tokens.size())) return tooLong;
    moveCursor(cursor);
    tokens.insert(tokens.begin() + cursor, token);
    ++cursor;
    return std::nullopt;
}

bool Curve::deleteBeforeCursor() {
    if (tokens.empty()) return false;
    moveCursor(cursor);
    if (cursor > 0) --cursor;
    if (cursor >= static_cast<std::int32_t>(tokens.size())) return false;
    tokens.erase(tokens.begin() + cursor);
    return true;
}

bool Curve::deleteAtCursor() {
    moveCursor(cursor);
    if (cursor >= static_cast<std::int32_t>(tokens.size())) return false;
    tokens.erase(tokens.begin() + cursor);
    return true;
}

void Curve::moveCursor(std::int32_t position) {
    cursor = std::clamp(position, 0, static_cast<std::int32_t>(tokens.size()));
}

void Curve::clear() {
    tokens.clear();
    cursor = 0;
    originalPoints.clear();
    showDerivative = false;
    // An empty curve has no result and nothing out of range.
    valueState = ValueState::Varies;
    value = 0.0;
    hasPointsInRange = true;
}

}  // namespace orrery
