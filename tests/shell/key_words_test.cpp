#include "shell/key_words.h"

#include <gtest/gtest.h>

#include <set>

#include "expression/key_table.h"

namespace orrery {
namespace {

TEST(KeyWords, EveryKeyHasItsOwnNameAndADescription) {
    std::set<std::string> names;
    for (int k = 0; k < kKeyCount; ++k) {
        const KeyWords words = keyWords(k);
        EXPECT_FALSE(words.description.empty()) << k;
        EXPECT_TRUE(names.insert(words.name).second) << "twice: " << words.name;
    }
    // The names themselves are checked through the accessible keys of the face.
    EXPECT_EQ(keyWords(45).name, "");
    EXPECT_EQ(keyWords(-1).name, "");
}

TEST(KeyWords, ArrowsMoveAcrossTheRowsOfSixAndTheBottomRowOfFive) {
    using D = FaceDirection;
    const struct {
        int from;
        D direction;
        int to;
    } moves[] = {
        {0, D::Left, 0},   {0, D::Right, 1},   {5, D::Right, 5},   {6, D::Left, 6},
        {0, D::Up, 0},     {0, D::Down, 6},    {20, D::Down, 26},  {25, D::Down, 31},
        {29, D::Down, 34}, {30, D::Up, 24},    {34, D::Up, 28},    {34, D::Down, 34},
        {30, D::Left, 30}, {33, D::Right, 34}, {34, D::Right, 34},
    };
    for (const auto& m : moves)
        EXPECT_EQ(neighbourButton(m.from, m.direction), m.to)
            << m.from << " " << static_cast<int>(m.direction);
}

}  // namespace
}  // namespace orrery
