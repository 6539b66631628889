#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/user_message.h"

namespace orrery {

class NormalDistribution;
class TDistribution;
class FDistribution;
class ChiSquareDistribution;

// What a distribution window's Calculate button produces. On a message
// nothing has changed: not the object's limits or degrees of freedom, not the
// boxes. Otherwise the limits are stored, swapped tells the window to
// exchange its two limit boxes, and probability is the Probability box's text.
struct WindowCalculation {
    std::optional<UserMessage> message;
    bool swapped = false;
    double area = 0.0;
    std::string probability;
};

WindowCalculation calculateNormalWindow(NormalDistribution& normal, std::string_view z1,
                                        std::string_view z2);
WindowCalculation calculateTWindow(TDistribution& t, std::string_view t1, std::string_view t2,
                                   std::string_view degrees);
WindowCalculation calculateChiSquareWindow(ChiSquareDistribution& chiSquare, std::string_view x1,
                                           std::string_view x2, std::string_view degrees);
WindowCalculation calculateFWindow(FDistribution& f, std::string_view f1, std::string_view f2,
                                   std::string_view d1, std::string_view d2);

}  // namespace orrery
