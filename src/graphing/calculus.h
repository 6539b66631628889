#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "expression/key_table.h"

namespace orrery {

// The approximate derivative of samples taken at evenly spaced x over
// [xMin, xMax]: one-sided differences at the ends, central ones inside. A
// difference with an undefined neighbour is undefined (the largest finite
// double), so the plot leaves it out. out has the length of values.
void derivativeSamples(std::span<const double> values, double xMin, double xMax,
                       std::span<double> out);
std::vector<double> derivativeSamples(std::span<const double> values, double xMin, double xMax);

// Simpson's rule runs on 3 to 30001 points, always an odd count.
inline constexpr std::int32_t kSimpsonMinPoints = 3;
inline constexpr std::int32_t kSimpsonMaxPoints = 30001;
inline constexpr std::int32_t kSimpsonProgressSteps = 30;

// The point count the Simpson dialog offers for a curve plotted with n
// points: n brought into 3..30001 and made odd.
std::int32_t simpsonPointCount(std::int32_t n);

// Told each new position of the progress bar (0 to kSimpsonProgressSteps).
using SimpsonProgress = std::function<void(std::int32_t position)>;

// The integral of the curve's expression over [a, b] by Simpson's rule on n
// points of the sampling grid. n is brought to simpsonPointCount(n) and
// written back. Empty: no tokens, an expression the evaluator refuses, a
// bound that is not finite, an undefined sample past the first, or a sum
// that overflows. A reversed interval gives the negative integral.
std::optional<double> simpson(const std::vector<ExpressionToken>& tokens, std::int32_t curveIndex,
                              double a, double b, std::int32_t& n,
                              const SimpsonProgress& progress = {});

// What the Simpson dialog's list shows after Calculate.
std::vector<std::string> simpsonReport(std::int32_t n, double a, double b, double integral);
inline constexpr const char* kSimpsonFailureText = "INPUT ERROR OR DISCONTINUITY";

}  // namespace orrery
