#include "shell/frame_layout.h"

#include <algorithm>

namespace orrery {
namespace {

std::int32_t part(double share, std::int32_t pixels) {
    return static_cast<std::int32_t>(share * pixels);
}

}  // namespace

FrameLayout computeFrameLayout(std::int32_t W, std::int32_t H, std::int32_t S, bool splitScreen,
                               bool calculatorView, double p) {
    FrameLayout layout;
    const std::int32_t h = H - S - 5;
    layout.statusBar = {0, H - S, W, S};
    if (splitScreen) {
        layout.calculator = {0, 0, part(p, W), h};
        layout.divider = {part(p, W), 0, part(0.01, W), h};
        layout.graph = {part(p + 0.01, W), 0, part(1 - p - 0.01, W), h};
        layout.dividerShown = true;
        return layout;
    }
    if (!calculatorView) {
        layout.calculator = {0, 0, W, h};
        layout.graph = {0, 0, W, h};
        layout.graphOnTop = true;
        layout.backButtonShown = true;
        return layout;
    }
    layout.calculator = {0, 0, W, H};
    layout.graph = {0, 0, W, h};
    layout.graphShown = false;
    layout.statusBarShown = false;
    return layout;
}

DividerDrop dropDivider(std::int32_t position, std::int32_t dx, std::int32_t W, std::int32_t H,
                        std::int32_t S) {
    DividerDrop drop;
    const std::int32_t gap = part(0.01, W);
    // Past either edge the divider stops at it, so no window gets a negative
    // width and the divider can always be dragged back.
    drop.position = std::clamp(position + dx, 0, std::max(0, part(0.99, W)));
    drop.proportion = W > 0 ? static_cast<double>(drop.position) / W : 0.0;
    drop.calculator = {0, 0, drop.position, H - S - 3};
    drop.graph = {drop.position + gap, 0, part(0.99, W) - drop.position, H - S - 3};
    drop.divider = {drop.position, 0, gap, H - S - 5};
    return drop;
}

}  // namespace orrery
