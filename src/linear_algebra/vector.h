#pragma once

#include <cstddef>
#include <vector>

#include "common/user_message.h"

namespace orrery {

// A vector of 1 to 10 components for the Vectors window.
class Vector {
public:
    Vector() = default;
    explicit Vector(std::size_t size) : components_(size, 0.0) {}
    Vector(std::initializer_list<double> values) : components_(values) {}

    std::size_t size() const { return components_.size(); }
    double operator[](std::size_t i) const { return components_[i]; }
    // False, and nothing written, when i is not below the length.
    bool setComponent(std::size_t i, double value);

    // The caller guarantees equal lengths for these three (a shorter operand
    // shortens the result).
    Vector add(const Vector& b) const;
    Vector subtract(const Vector& b) const;
    double dot(const Vector& b) const;
    // Of the first three components of each; zero when either has fewer.
    Vector cross(const Vector& b) const;

    double normSquared() const;
    double norm() const;
    Vector scaled(double s) const;
    // False, with the problem described and a copy in `result`, for a zero vector.
    bool normalized(Vector& result, UserMessage* problem = nullptr) const;

    // The vector unchanged for any size but 2 and 3. Three angles rotate about
    // z by angles[2], then y by angles[1], then x by angles[0].
    Vector rotated(std::size_t dimension, const std::vector<double>& angles, bool inRadians) const;

    friend bool operator==(const Vector&, const Vector&) = default;

private:
    std::vector<double> components_;
};

// The projection of v on u, with n components (the caller guarantees n fits both).
Vector projection(const Vector& u, const Vector& v, std::size_t n);
// v less its projection on u.
Vector perpendicular(const Vector& u, const Vector& v, std::size_t n);

}  // namespace orrery
