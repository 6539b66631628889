#include "shell/face_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include <sstream>

#include "support/case_file.h"

namespace orrery {
namespace {

std::vector<int> numbers(const std::string& field) {
    std::vector<int> values;
    std::istringstream in(field);
    for (int v; in >> v;) values.push_back(v);
    return values;
}

FaceRect rectOf(const std::string& field) {
    const std::vector<int> v = numbers(field);
    EXPECT_EQ(v.size(), 4u) << field;
    return v.size() == 4 ? FaceRect{v[0], v[1], v[2], v[3]} : FaceRect{};
}

TEST(FaceLayoutTest, SizesAndPlacesByTheWindowSize) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/face_layout.txt", 4, [](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 8u);
        const std::vector<int> size = numbers(c.fields[0]);
        const FaceLayout l = computeFaceLayout(size.at(0), size.at(1));
        EXPECT_EQ(numbers(c.fields[1]), (std::vector<int>{l.mx, l.ky, l.kh, l.kw, l.cw, l.ch}));
        EXPECT_EQ(l.buttons[0], rectOf(c.fields[2]));
        EXPECT_EQ(l.buttons[29], rectOf(c.fields[3]));
        EXPECT_EQ(l.buttons[34], rectOf(c.fields[4]));
        EXPECT_EQ(l.captionOf(3), rectOf(c.fields[5]));
        EXPECT_EQ(l.symbolDisplay, rectOf(c.fields[6]));
        EXPECT_EQ(l.valueDisplay, rectOf(c.fields[7]));
    });
}

TEST(FaceLayoutTest, AWideWindowCentresAFaceOfTheUsualShape) {
    for (const auto& [W, H] : {std::pair{545, 675}, std::pair{573, 675}, std::pair{1100, 675},
                               std::pair{1900, 1000}}) {
        const FaceLayout shown = computeCentredFaceLayout(W, H);
        const FaceLayout usual = computeFaceLayout(std::min(W, H * 17 / 20), H);
        const int dx = shown.buttons[0].x - usual.buttons[0].x;
        for (int id = 0; id < kButtonCount; ++id) {
            const FaceRect& a = shown.buttons[static_cast<std::size_t>(id)];
            const FaceRect& b = usual.buttons[static_cast<std::size_t>(id)];
            EXPECT_EQ(a, (FaceRect{b.x + dx, b.y, b.width, b.height})) << W << " key " << id;
        }
        EXPECT_EQ(shown.symbolDisplay.x - usual.symbolDisplay.x, dx);
        // Keys at most about twice as wide as high, the face in the middle.
        EXPECT_LE(shown.kw, 2 * shown.kh) << W;
        EXPECT_EQ(dx, (W - std::min(W, H * 17 / 20)) / 2) << W;
    }
}

TEST(FaceLayoutTest, CaptionsOnlyOverPairedKeys) {
    const FaceLayout l = computeFaceLayout(400, 560);
    int captioned = 0;
    for (int id = 0; id < kButtonCount; ++id) {
        const bool paired = secondFunctionKey(id) >= 0;
        EXPECT_EQ(l.captionOf(id).has_value(), paired) << id;
        captioned += paired;
    }
    EXPECT_EQ(captioned, 9);
    // Only the band above the key shows: three quarters of a key's height.
    EXPECT_EQ(l.visibleCaptionOf(17), (FaceRect{335 + 3, 280 - 22, 43, 22}));
    EXPECT_EQ(l.visibleCaptionOf(0), std::nullopt);
}

}  // namespace
}  // namespace orrery
