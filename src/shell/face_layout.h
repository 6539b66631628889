#pragma once

#include <array>
#include <optional>

#include "expression/key_table.h"

namespace orrery {

// A rectangle of the calculator window, in logical pixels.
struct FaceRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const FaceRect&, const FaceRect&) = default;
};

// The nine buttons that produce a second key in second-function mode; their
// captions name the key they do not currently produce.
inline constexpr std::array<int, 9> kPairedButtons{3, 4, 9, 10, 11, 17, 21, 23, 29};

// Where everything of the calculator window goes for one client size. The
// proportions keep the face usable from a small window to a full screen.
struct FaceLayout {
    int mx = 0;  // horizontal gap between keys
    int ky = 0;  // vertical gap between key rows
    int kh = 0;  // key height
    int kw = 0;  // key width
    int cw = 0;  // control key width (bottom row)
    int ch = 0;  // control key height
    std::array<FaceRect, kButtonCount> buttons;
    // Caption rectangles in the order of kPairedButtons. The button covers
    // their lower part, so only the band above the button shows.
    std::array<FaceRect, kPairedButtons.size()> captions;
    FaceRect symbolDisplay;
    FaceRect valueDisplay;

    // The caption of a paired button, or nothing for the other buttons.
    std::optional<FaceRect> captionOf(int buttonId) const;
    // The part of a caption that shows above its button.
    std::optional<FaceRect> visibleCaptionOf(int buttonId) const;
};

// Every value for a client area W × H (integer arithmetic throughout).
FaceLayout computeFaceLayout(int W, int H);

// The face as the window shows it: never wider than 17/20 of its height
// (about its shape beside the graph), centred in a wider window, so keys keep
// their aspect when the calculator fills the screen instead of stretching
// into slabs.
FaceLayout computeCentredFaceLayout(int W, int H);

}  // namespace orrery
