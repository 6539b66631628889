#include <gtest/gtest.h>

#include <set>

#include "expression/key_table.h"
#include "expression/typing.h"

namespace orrery {
namespace {

TEST(KeyTable, HoldsFortyFiveKeysInIndexOrderWithTheirClasses) {
    std::set<std::string> names;
    for (int i = 0; i < kKeyCount; ++i) {
        EXPECT_EQ(keyAt(i).index, i);
        names.insert(keyAt(i).name);
    }
    EXPECT_EQ(names.size(), 45u);
    EXPECT_EQ(keyAt(22).tooltip, "Divisor non-zero");
    EXPECT_EQ(keyAt(3).keyClass, KeyClass::Function);  // x is a function key
    EXPECT_EQ(keyAt(43).keyClass, KeyClass::Number);
    EXPECT_EQ(keyAt(43).tooltip, "3.14159265358979323846264338327950288419716939937510 Key: P");
    EXPECT_EQ(keyAt(38).keyClass, KeyClass::Operator);
    EXPECT_EQ(keyAt(11).tooltip,
              "Base=(0,Infinity), Exponent=all, Range=(0,Infinity) Key: Shift-6");
    EXPECT_TRUE(keyAt(1).tooltip.empty());
    for (int control : {0, 30, 31, 32, 33, 34}) EXPECT_EQ(keyAt(control).keyClass, KeyClass::Control);
}

TEST(KeyTable, SecondFunctionModeSwapsOnlyThePairedButtons) {
    const std::pair<int, int> pairs[] = {{3, 43}, {4, 35}, {9, 36},  {10, 37}, {11, 38},
                                         {17, 39}, {21, 42}, {23, 40}, {29, 41}};
    for (auto [button, key] : pairs) {
        EXPECT_EQ(keyForButton(button, false), button);
        EXPECT_EQ(keyForButton(button, true), key);
    }
    EXPECT_EQ(keyForButton(6, true), 6);  // 7 stays 7
    EXPECT_EQ(keyForButton(0, true), 0);
    for (int button = 0; button < kButtonCount; ++button)
        for (bool second : {false, true}) EXPECT_NE(keyForButton(button, second), key::kE);
}

TEST(KeyTable, TextFormsAndPictureNames) {
    const std::pair<int, const char*> forms[] = {{22, "÷"},   {26, "·"},   {4, "²"},    {5, "³"},
                                                 {15, "²/¯"}, {16, "³/¯"}, {38, "/¯"},  {11, "^"},
                                                 {36, "10^"}, {37, "e^"},  {17, "sin"}, {6, "7"}};
    for (auto [key, form] : forms) EXPECT_EQ(textForm(keyAt(key)), form) << key;
    EXPECT_EQ(faceBitmapName(keyAt(17)), "SIN");
    EXPECT_EQ(pressedBitmapName(keyAt(17)), "w_sin");
    EXPECT_EQ(captionBitmapName(keyAt(39)), "t_asin");
}

TEST(TypedCharacters, MapToKeysCommandsAndLetters) {
    using Kind = TypedChar::Kind;
    // The case files type ( ) * + - . / ^ e p x and the digits; these are the other spellings.
    const std::pair<char32_t, int> keys[] = {{'[', 1}, {'{', 1},  {']', 2},  {'}', 2},
                                             {'\\', 22}, {'E', 44}, {'P', 43}, {'X', 3}};
    for (auto [c, key] : keys) {
        const TypedChar typed = keyForTypedChar(c);
        EXPECT_EQ(typed.kind, Kind::Key) << static_cast<char>(c);
        EXPECT_EQ(typed.key, key) << static_cast<char>(c);
    }
    EXPECT_EQ(keyForTypedChar('f').kind, Kind::ToggleSecondFunction);
    EXPECT_EQ(keyForTypedChar(8).kind, Kind::Backspace);
    EXPECT_EQ(keyForTypedChar(13).kind, Kind::Enter);
    EXPECT_EQ(keyForTypedChar('S').kind, Kind::Letter);
    EXPECT_EQ(keyForTypedChar('S').letter, 's');
    for (char32_t ignored : {U' ', U'!', U'#', U'\n', U'é', U'÷'})
        EXPECT_EQ(keyForTypedChar(ignored).kind, Kind::Ignored);
}

}  // namespace
}  // namespace orrery
