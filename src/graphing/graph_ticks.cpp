#include "graphing/graph_ticks.h"

#include <cmath>

namespace orrery {

namespace {

// No range the program can show needs more; it also stops a loop whose step
// vanishes against huge values.
constexpr std::size_t kMaxTicks = 1000;

double integerStep(double d) {
    if (d < 15) return 1;
    if (d < 30) return 2;
    if (d < 60) return 5;
    if (d <= 100) return 10;
    const double e = std::floor(std::log10(d));
    const double p = std::trunc(std::pow(10.0, e - 2));
    const double r = d / p;
    if (r < 200) return p * 20;
    if (r < 300) return p * 25;
    if (r < 600) return p * 50;
    if (r < 1000) return p * 100;
    // Only a rounded logarithm gets here: p is a power of ten too small.
    return p * 200;
}

class TickList {
public:
    TickList(double a, double b, std::int32_t length, bool isX, double valueScale)
        : a_(a), b_(b), length_(length), isX_(isX), valueScale_(valueScale) {}

    void emit(double t) {
        const double span = b_ - a_;
        const double pos = isX_ ? 20 + (t - a_) * (length_ - 40) / span
                                : 20 + (t - b_) * (40 - length_) / span;
        ticks.push_back({t / valueScale_, static_cast<std::int32_t>(std::trunc(pos))});
    }
    bool full() const { return ticks.size() >= kMaxTicks; }

    std::vector<AxisTick> ticks;

private:
    double a_, b_;
    std::int32_t length_;
    bool isX_;
    double valueScale_;
};

// Emits t, t + step, ... up to b; next(t) gives the following tick. Stops when
// the step no longer moves t (values far larger than the range).
template <typename Next>
void emitUpTo(TickList& list, double t, double b, Next next) {
    while (t <= b && !list.full()) {
        list.emit(t);
        const double following = next(t);
        if (!(following > t)) break;
        t = following;
    }
}

}  // namespace

std::vector<AxisTick> computeTicks(double a, double b, std::int32_t length, bool isX) {
    const double d = b - a;
    if (length < 40 || !(d > 0) || !std::isfinite(d)) return {};

    if (d <= 3) {
        const double s = 3 / d;
        const double as = s * a;
        const double bs = s * b;
        if (!std::isfinite(as) || !std::isfinite(bs)) return {};
        TickList list(as, bs, length, isX, s);
        double t = std::ceil(as);
        while (t - 0.25 > as) t -= 0.25;
        emitUpTo(list, t, bs, [](double v) { return v + 0.25; });
        return list.ticks;
    }

    TickList list(a, b, length, isX, 1.0);
    if (d <= 6) {
        emitUpTo(list, std::ceil(2 * a) * 0.5, b, [](double v) { return v + 0.5; });
        return list.ticks;
    }
    const double step = integerStep(d);
    const double c = std::trunc(std::ceil(a));
    emitUpTo(list, c + std::fmod(std::fabs(c), step), b,
             [step](double v) { return std::trunc(v + step); });
    return list.ticks;
}

}  // namespace orrery
