#include "statistics/control_strip.h"

namespace orrery {
namespace {

std::vector<std::string> labelsOf(DistributionKind kind) {
    switch (kind) {
        case DistributionKind::ChiSquare:
            return {"X1", "X2", "D.F.", ""};
        case DistributionKind::T:
            return {"T1", "T2", "D.F.", ""};
        case DistributionKind::F:
            return {"F1", "F2", "D.F. 1", "D.F. 2", ""};
        case DistributionKind::Normal:
            return {"", "", ""};
    }
    return {};
}

}  // namespace

ControlStrip controlStrip(DistributionKind kind, int width, int height, int by) {
    const int top = height - 3 * by;
    const int h = 3 * by / 2;
    const std::vector<std::string> labels = labelsOf(kind);
    ControlStrip strip;
    strip.labelTop = height - 4 * by;
    auto place = [&](int x, int e, const std::string& label) {
        return StripControl{{x, top, e, h}, label};
    };
    switch (kind) {
        case DistributionKind::ChiSquare:
        case DistributionKind::T: {
            const int g = width / 25, e = (width - 6 * g) / 5;
            for (int i = 0; i < 4; ++i)
                strip.inputs.push_back(place(g + i * (e + g), e, labels[i]));
            strip.probability = place(5 * g + 4 * e, e, "Probability");
            break;
        }
        case DistributionKind::F: {
            const int g = width / 50, e = (width - 7 * g) / 6;
            for (int i = 0; i < 5; ++i)
                strip.inputs.push_back(place((i + 1) * g + i * e, e, labels[i]));
            strip.probability = place(5 * e + 6 * g, e, "Probability");
            break;
        }
        case DistributionKind::Normal: {
            const int g = width / 20, e = (width - 5 * g) / 4;
            for (int i = 0; i < 3; ++i)
                strip.inputs.push_back(place(g + i * (e + g), e, labels[i]));
            strip.probability = place(3 * e + 4 * g, e, "");
            break;
        }
    }
    return strip;
}

WindowSize statisticsWindowSize(int frameWidth, int frameHeight) {
    const int width = 5 * frameWidth / 6, height = 3 * frameHeight / 4;
    return {width <= 700 ? 700 : width, height <= 450 ? 450 : height};
}

}  // namespace orrery
