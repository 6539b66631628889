#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orrery {

// The numbers are stored in documents and compared by the syntax check.
enum class KeyClass : std::int32_t {
    Number = 0,
    Function = 1,
    Bracket = 2,
    Control = 3,
    Operator = 4,
};

inline constexpr int kKeyCount = 45;
inline constexpr int kButtonCount = 35;

// Indices of the keys that code refers to by name.
namespace key {
inline constexpr int kSecondFunction = 0;
inline constexpr int kLeftBracket = 1;
inline constexpr int kRightBracket = 2;
inline constexpr int kX = 3;
inline constexpr int kYPowerX = 11;
inline constexpr int kDivision = 22;
inline constexpr int kDecimal = 25;
inline constexpr int kMultiplication = 26;
inline constexpr int kPlus = 27;
inline constexpr int kMinus = 28;
inline constexpr int kReset = 30;
inline constexpr int kLastCurve = 31;
inline constexpr int kNextCurve = 32;
inline constexpr int kBack = 33;
inline constexpr int kSketch = 34;
inline constexpr int kPi = 43;
inline constexpr int kE = 44;
}  // namespace key

// One calculator key, copied by value into expressions. The index is the
// token's persistent identity; the parser and evaluator read label and class.
struct ExpressionToken {
    std::string label;
    std::string name;
    std::string tooltip;
    std::int32_t index = 0;
    KeyClass keyClass = KeyClass::Number;

    friend bool operator==(const ExpressionToken&, const ExpressionToken&) = default;
};

// The 45 keys in index order. Built once; never changes.
class KeyTable {
public:
    KeyTable();
    const ExpressionToken& at(int index) const { return keys_.at(static_cast<std::size_t>(index)); }

private:
    std::array<ExpressionToken, kKeyCount> keys_;
};

// The program's one key table.
const KeyTable& keyTable();

// The key record for index 0-44, by value.
ExpressionToken keyAt(int index);

// The key a face button inserts: its own index, or its second-function key
// when secondMode is on and the button is one of the nine paired buttons.
int keyForButton(int buttonId, bool secondMode);

// The second-function key of a paired button, or -1 for unpaired buttons.
int secondFunctionKey(int buttonId);

// The short text form the symbol display shows (UTF-8).
std::string textForm(const ExpressionToken& token);

// Names of the pictures drawn for a key: the face, the pressed face and the
// small second-function caption.
std::string faceBitmapName(const ExpressionToken& token);
std::string pressedBitmapName(const ExpressionToken& token);
std::string captionBitmapName(const ExpressionToken& token);

}  // namespace orrery
