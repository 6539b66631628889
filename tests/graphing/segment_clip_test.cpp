#include <gtest/gtest.h>

#include <sstream>

#include "graphing/segment_clip.h"
#include "support/case_file.h"

namespace orrery {
namespace {

TEST(SegmentClip, TableOfSegments) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/segment_clips.txt", 10, [](const testing::Case& c) {
        std::istringstream in(c.fields[0]);
        std::string words[4];
        in >> words[0] >> words[1] >> words[2] >> words[3];
        double x1 = std::stod(words[0]), y1 = std::stod(words[1]), x2 = std::stod(words[2]), y2 = std::stod(words[3]);
        const bool inside = clipSegment({0, 0, 100, 100}, x1, y1, x2, y2);
        if (c.fields[1] == "none") {
            EXPECT_FALSE(inside);
            return;
        }
        ASSERT_TRUE(inside);
        std::istringstream want(c.fields[1]);
        double w[4];
        want >> w[0] >> w[1] >> w[2] >> w[3];
        EXPECT_NEAR(x1, w[0], 1e-6);
        EXPECT_NEAR(y1, w[1], 1e-6);
        EXPECT_NEAR(x2, w[2], 1e-6);
        EXPECT_NEAR(y2, w[3], 1e-6);
    });
}

}  // namespace
}  // namespace orrery
