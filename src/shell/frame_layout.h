#pragma once

#include <cstdint>

namespace orrery {

struct FrameRect {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const FrameRect&, const FrameRect&) = default;
};

// The main window's three arrangements: calculator and graph side by side
// with a divider, the graph filling the window (with the button back to the
// calculator), or the calculator filling it.
struct FrameLayout {
    FrameRect calculator;
    FrameRect divider;
    FrameRect graph;
    FrameRect statusBar;
    bool dividerShown = false;
    bool graphShown = true;
    bool graphOnTop = false;  // the graph lies over the calculator
    bool statusBarShown = true;
    bool backButtonShown = false;
};

// W, H: the client size; S: the status bar's height; p: the calculator's
// share of W in split screen.
FrameLayout computeFrameLayout(std::int32_t W, std::int32_t H, std::int32_t S, bool splitScreen,
                               bool calculatorView, double p);

// The divider after a drag of dx pixels from `position`, and what the
// calculator, graph and divider become.
struct DividerDrop {
    std::int32_t position = 0;
    double proportion = 0.0;  // never negative
    FrameRect calculator;
    FrameRect divider;
    FrameRect graph;
};
DividerDrop dropDivider(std::int32_t position, std::int32_t dx, std::int32_t W, std::int32_t H,
                        std::int32_t S);

}  // namespace orrery
