#include "shell/face_layout.h"

#include <algorithm>

namespace orrery {

std::optional<FaceRect> FaceLayout::captionOf(int buttonId) const {
    const auto* found = std::find(kPairedButtons.begin(), kPairedButtons.end(), buttonId);
    if (found == kPairedButtons.end()) return std::nullopt;
    return captions[static_cast<std::size_t>(found - kPairedButtons.begin())];
}

std::optional<FaceRect> FaceLayout::visibleCaptionOf(int buttonId) const {
    std::optional<FaceRect> caption = captionOf(buttonId);
    if (!caption) return std::nullopt;
    const FaceRect& button = buttons[static_cast<std::size_t>(buttonId)];
    caption->height = std::max(0, button.y - caption->y);
    return caption;
}

FaceLayout computeFaceLayout(int W, int H) {
    FaceLayout l;
    l.mx = W / 20;
    l.ky = H / 14;
    l.kh = (H - 8 * l.ky) / 8;
    l.kw = (W - 7 * l.mx) / 6;
    l.cw = (W - 6 * l.mx) / 5;
    l.ch = H / 56 + l.kh;

    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 6; ++column) {
            l.buttons[static_cast<std::size_t>(6 * row + column)] =
                FaceRect{l.mx + (l.kw + l.mx) * column, (l.kh + l.ky) * (row + 2), l.kw, l.kh};
        }
    }
    for (int i = 0; i < 5; ++i) {
        l.buttons[static_cast<std::size_t>(30 + i)] =
            FaceRect{l.mx + (l.cw + l.mx) * i, (l.ky + l.kh) * 7, l.cw, l.ch};
    }
    for (std::size_t i = 0; i < kPairedButtons.size(); ++i) {
        const FaceRect& button = l.buttons[static_cast<std::size_t>(kPairedButtons[i])];
        l.captions[i] = FaceRect{button.x + l.kw / 12, button.y - 3 * l.kh / 4, l.kw, l.kh};
    }
    l.symbolDisplay = FaceRect{W / 20, H / 30, W * 9 / 10, H * 17 / 120};
    l.valueDisplay = FaceRect{W / 20, 11 * H / 60, 3 * l.kw + 2 * l.mx, H / 18};
    return l;
}

FaceLayout computeCentredFaceLayout(int W, int H) {
    const int widest = H * 17 / 20;
    if (W <= widest) return computeFaceLayout(W, H);
    FaceLayout l = computeFaceLayout(widest, H);
    const int dx = (W - widest) / 2;
    for (FaceRect& r : l.buttons) r.x += dx;
    for (FaceRect& r : l.captions) r.x += dx;
    l.symbolDisplay.x += dx;
    l.valueDisplay.x += dx;
    return l;
}

}  // namespace orrery
