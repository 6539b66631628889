#include "linear_algebra/vector.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orrery {
namespace {

// Shorter vectors than this cannot be normalised.
constexpr double kZeroNorm = 1e-20;

}  // namespace

bool Vector::setComponent(std::size_t i, double value) {
    if (i >= components_.size()) return false;
    components_[i] = value;
    return true;
}

// The operations below read only as far as both operands reach, so a caller's
// slip about the lengths gives a short result rather than a stray read.
Vector Vector::add(const Vector& b) const {
    Vector result(std::min(size(), b.size()));
    for (std::size_t i = 0; i < result.size(); ++i) result.components_[i] = components_[i] + b[i];
    return result;
}

Vector Vector::subtract(const Vector& b) const {
    Vector result(std::min(size(), b.size()));
    for (std::size_t i = 0; i < result.size(); ++i) result.components_[i] = components_[i] - b[i];
    return result;
}

double Vector::dot(const Vector& b) const {
    double sum = 0.0;
    for (std::size_t i = 0; i < std::min(size(), b.size()); ++i) sum += components_[i] * b[i];
    return sum;
}

Vector Vector::cross(const Vector& b) const {
    if (size() < 3 || b.size() < 3) return Vector(3);
    const Vector& a = *this;
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Vector::normSquared() const { return dot(*this); }

double Vector::norm() const { return std::sqrt(normSquared()); }

Vector Vector::scaled(double s) const {
    Vector result = *this;
    for (double& x : result.components_) x *= s;
    return result;
}

bool Vector::normalized(Vector& result, UserMessage* problem) const {
    const double r = norm();
    if (std::fabs(r) >= kZeroNorm) {
        result = scaled(1.0 / r);
        return true;
    }
    if (problem) *problem = {"INPUT ERROR", "Zero vectors cannot be normalized."};
    result = *this;
    return false;
}

Vector Vector::rotated(std::size_t dimension, const std::vector<double>& angles, bool inRadians) const {
    const std::size_t angleCount = dimension == 2 ? 1 : 3;
    if ((dimension != 2 && dimension != 3) || size() != dimension || angles.size() < angleCount)
        return *this;
    auto radians = [&](double angle) { return inRadians ? angle : angle * (std::numbers::pi / 180.0); };
    if (dimension == 2) {
        const double t = radians(angles[0]);
        const double x = components_[0], y = components_[1];
        return {x * std::cos(t) - y * std::sin(t), y * std::cos(t) + x * std::sin(t)};
    }
    const double alpha = radians(angles[0]), beta = radians(angles[1]), gamma = radians(angles[2]);
    const double x = components_[0], y = components_[1], z = components_[2];
    const double x1 = std::cos(gamma) * x - std::sin(gamma) * y;
    const double y1 = std::sin(gamma) * x + std::cos(gamma) * y;
    const double z1 = z;
    const double x2 = std::cos(beta) * x1 + std::sin(beta) * z1;
    const double y2 = y1;
    const double z2 = -std::sin(beta) * x1 + std::cos(beta) * z1;
    return {x2, std::cos(alpha) * y2 - std::sin(alpha) * z2, std::sin(alpha) * y2 + std::cos(alpha) * z2};
}

Vector projection(const Vector& u, const Vector& v, std::size_t n) {
    n = std::min({n, u.size(), v.size()});
    const double factor = u.dot(v) / u.normSquared();
    Vector result(n);
    for (std::size_t i = 0; i < n; ++i) result.setComponent(i, factor * u[i]);
    return result;
}

Vector perpendicular(const Vector& u, const Vector& v, std::size_t n) {
    const Vector along = projection(u, v, n);
    Vector result(along.size());
    for (std::size_t i = 0; i < result.size(); ++i) result.setComponent(i, v[i] - along[i]);
    return result;
}

}  // namespace orrery
