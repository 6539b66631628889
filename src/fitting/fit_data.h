#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/user_message.h"

namespace orrery {

enum class FitModel { Polynomial, Exponential };

struct ValueRange {
    double low = 0.0;
    double high = 0.0;
};

// The points of one fitting dialog and the curve fitted to them. A set of
// points is checked and fitted in one step: a refused set leaves the
// previous points and curve exactly as they were.
class FitData {
public:
    // A least-squares polynomial of the given degree (1 is a straight line).
    std::optional<UserMessage> setData(std::vector<double> x, std::vector<double> y, int degree);
    // y = a·e^(bx), fitted as a line through (x, ln y).
    std::optional<UserMessage> setExponentialData(std::vector<double> x, std::vector<double> y);

    FitModel model() const { return model_; }
    int degree() const { return degree_; }
    std::size_t pointCount() const { return x_.size(); }
    const std::vector<double>& x() const { return x_; }
    const std::vector<double>& y() const { return y_; }
    ValueRange xRange() const { return xRange_; }
    ValueRange dataYRange() const { return yRange_; }
    // Constant first.
    const std::vector<double>& coefficients() const { return coefficients_; }
    double a() const { return a_; }
    double b() const { return b_; }

    double evaluate(double x) const;
    // Root mean squared distance of the points from the curve; 0 without points.
    double rmsError() const;
    // Lowest and highest value of the curve over the x range, sampled at the
    // graph's point count where it can bend, widened to hold the data.
    ValueRange yRange(int pointCount) const;

    std::string equationText() const;
    std::string genericForm() const;
    // The characters to type into the calculator for this curve.
    std::string sketchCharacters() const;

private:
    // Takes the fitted candidate with its points, unless the fit overflowed.
    std::optional<UserMessage> adopt(FitData candidate, std::vector<double> x, std::vector<double> y);

    FitModel model_ = FitModel::Polynomial;
    int degree_ = 1;
    std::vector<double> x_, y_;
    ValueRange xRange_, yRange_;
    std::vector<double> coefficients_;
    double a_ = 0.0;
    double b_ = 0.0;
};

}  // namespace orrery
