#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "expression/markers.h"

// The arithmetic of the expression language: one definition of every operator
// and function, shared by the reduction engine and the compiled programs so
// that both give the same bits.

namespace orrery {

enum class Operation : std::uint8_t { Add, Subtract, Multiply, Divide, Power, Root, Square, Cube };

enum class FunctionKind : std::uint8_t {
    Log, Ln, Sqrt, Croot, Sin, Cos, Tan, Arcsin, Arccos, Arctan,
    TenPower, ExpPower, Reciprocal, Sinh, Cosh, Identity,
};

std::optional<Operation> operationForLabel(std::string_view label);
std::optional<FunctionKind> functionForLabel(std::string_view label);

namespace detail {

// ln and log10 of the largest finite double, the overflow bounds of e^x and 10^x.
inline const double kLnMax = std::log(kUndefinedHigh);
inline const double kLog10Max = std::log10(kUndefinedHigh);

inline bool isHighSide(double v) { return !(v < kUndefinedHigh); }  // ≥ max, or NaN
inline bool isLowSide(double v) { return v <= kUndefinedLow; }

// A no-value operand makes the result no value: low only when nothing is high.
inline double markerFor(double a, double b) {
    return (isHighSide(a) || isHighSide(b)) ? kUndefinedHigh : kUndefinedLow;
}

// a^n for an integral n (as a double), any sign of a: 0^0 and 0^-n are undefined.
inline double integerPower(double a, double n) {
    if (n == 0.0) return a != 0.0 ? 1.0 : kUndefinedHigh;
    if (a == 0.0 && n < 0.0) return kUndefinedHigh;
    if (n == 2.0) return a * a;
    if (n < 0.0) return 1.0 / (n == -2.0 ? a * a : std::pow(a, -n));
    return std::pow(a, n);
}

inline double power(double a, double b) {
    if (a > 0.0) return b == 2.0 ? a * a : std::pow(a, b);
    // A non-positive base needs an integral exponent; truncation makes
    // -2.0000001 count as -2 while 2.9999999 does not count.
    const double n = std::trunc(b);
    if (std::fabs(b - n) < 1e-06) return integerPower(a, n);
    return kUndefinedHigh;
}

// The a-th root of b, rounded once from extended precision.
inline double root(double a, double b) {
    if (!(a > 0.0 && b > 0.0)) return kUndefinedHigh;
    if (a == 2.0) return std::sqrt(b);
    if (a == 3.0) return static_cast<double>(cbrtl(static_cast<long double>(b)));
    return static_cast<double>(
        powl(static_cast<long double>(b), 1.0L / static_cast<long double>(a)));
}

inline double cubeRoot(double v) {
    if (v > 1e-06) return static_cast<double>(cbrtl(static_cast<long double>(v)));
    if (v < -1e-06) return -static_cast<double>(cbrtl(static_cast<long double>(-v)));
    return 0.0;
}

}  // namespace detail

inline double applyOperator(Operation op, double a, double b) {
    using namespace detail;
    if (isNoValue(a) || isNoValue(b)) return markerFor(a, b);
    switch (op) {
        case Operation::Add: return a + b;
        case Operation::Subtract: return a - b;
        case Operation::Multiply: return a * b;
        case Operation::Divide: return b == 0.0 ? kUndefinedHigh : a / b;
        case Operation::Power: return power(a, b);
        case Operation::Root: return root(a, b);
        case Operation::Square: return a * a;
        case Operation::Cube: return a * a * a;
    }
    return kUndefinedHigh;
}

inline double applyFunction(FunctionKind f, double v) {
    using namespace detail;
    if (f == FunctionKind::Identity) return v;
    if (isNoValue(v)) return markerFor(v, 0.0);
    switch (f) {
        case FunctionKind::Log: return v <= 0.0 ? kUndefinedLow : std::log10(v);
        case FunctionKind::Ln: return v <= 0.0 ? kUndefinedLow : std::log(v);
        case FunctionKind::Sqrt: return v < 0.0 ? kUndefinedHigh : std::sqrt(v);
        case FunctionKind::Croot: return cubeRoot(v);
        case FunctionKind::Sin: return std::sin(v);
        case FunctionKind::Cos: return std::cos(v);
        case FunctionKind::Tan: return std::tan(v);
        case FunctionKind::Arcsin: return std::fabs(v) > 1.0 ? kUndefinedHigh : std::asin(v);
        case FunctionKind::Arccos: return std::fabs(v) > 1.0 ? kUndefinedHigh : std::acos(v);
        case FunctionKind::Arctan: return std::atan(v);
        case FunctionKind::TenPower: return v >= kLog10Max ? kUndefinedHigh : std::pow(10.0, v);
        case FunctionKind::ExpPower:
            if (v >= kLnMax) return kUndefinedHigh;
            if (v <= -kLnMax) return kUndefinedLow;
            return std::exp(v);
        case FunctionKind::Reciprocal:
            return std::fabs(v) <= 3.3333333333333335e-05 ? kUndefinedHigh : 1.0 / v;
        case FunctionKind::Sinh:
            if (v >= kLnMax) return kUndefinedHigh;
            if (v <= -kLnMax) return kUndefinedLow;
            return (std::exp(v) - std::exp(-v)) * 0.5;
        case FunctionKind::Cosh:
            if (std::fabs(v) >= kLnMax) return kUndefinedHigh;
            return (std::exp(-v) + std::exp(v)) * 0.5;
        case FunctionKind::Identity: return v;
    }
    return kUndefinedHigh;
}

}  // namespace orrery
