#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "common/user_message.h"
#include "expression/key_table.h"
#include "graphing/curve_limits.h"

namespace orrery {

// What the last drawing found out about a curve's samples.
enum class ValueState : std::int32_t { Varies = 0, Constant = 1, Undefined = 2 };

struct DataPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const DataPoint&, const DataPoint&) = default;
};

// One curve y = f(x): its expression being edited, its domain and range,
// and what its last drawing found.
struct Curve {
    CurveLimits limits;            // the curve's domain (x) and vertical scale (y)
    std::int32_t index = 0;        // position in the curve set
    bool showDerivative = false;
    std::vector<ExpressionToken> tokens;
    std::int32_t cursor = 0;       // insertion index into tokens
    ValueState valueState = ValueState::Varies;
    double value = 0.0;            // the constant, when valueState is Constant
    std::vector<DataPoint> originalPoints;  // the data a fitted curve came from
    double domainScale = 1.0;      // curve x width ÷ graph x width
    double domainOffset = 0.0;     // (curve xMin − graph xMin) ÷ graph x width
    bool hasPointsInRange = true;

    // Recomputes domainScale and domainOffset against the graph's x range.
    void rescale(const CurveLimits& graphRange);

    // Inserts a key at the cursor and moves the cursor past it; refuses with
    // the too-long message when the expression is full.
    std::optional<UserMessage> insertAtCursor(const ExpressionToken& token);
    // Back: deletes the token before the cursor (the first one at position 0).
    bool deleteBeforeCursor();
    // Delete: removes the token after the cursor; the cursor stays.
    bool deleteAtCursor();
    void moveCursor(std::int32_t position);  // clamped to 0..token count

    // Empty expression, no data points, no derivative.
    void clear();

    friend bool operator==(const Curve&, const Curve&) = default;
};

}  // namespace orrery
