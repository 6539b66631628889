#include "shell/key_words.h"

#include <algorithm>
#include <array>

#include "expression/key_table.h"

namespace orrery {
namespace {

struct Words {
    const char* name;
    const char* description;
};

// In key-index order.
constexpr std::array<Words, kKeyCount> kWords{{
    {"second functions", "Switches the paired keys between their first and second functions"},
    {"left bracket", "Opens a bracket"},
    {"right bracket", "Closes a bracket"},
    {"x", "Enters the variable x"},
    {"square", "Squares what comes before it"},
    {"cube", "Cubes what comes before it"},
    {"seven", "Enters the digit seven"},
    {"eight", "Enters the digit eight"},
    {"nine", "Enters the digit nine"},
    {"logarithm", "Takes the common logarithm, base ten, of what follows"},
    {"natural logarithm", "Takes the natural logarithm of what follows"},
    {"power", "Raises what comes before it to the power of what follows"},
    {"four", "Enters the digit four"},
    {"five", "Enters the digit five"},
    {"six", "Enters the digit six"},
    {"square root", "Takes the square root of what follows"},
    {"cube root", "Takes the cube root of what follows"},
    {"sine", "Takes the sine of what follows, in radians"},
    {"one", "Enters the digit one"},
    {"two", "Enters the digit two"},
    {"three", "Enters the digit three"},
    {"hyperbolic sine", "Takes the hyperbolic sine of what follows"},
    {"divide", "Divides what comes before it by what follows"},
    {"cosine", "Takes the cosine of what follows, in radians"},
    {"zero", "Enters the digit zero"},
    {"decimal point", "Enters the decimal point"},
    {"multiply", "Multiplies what comes before it by what follows"},
    {"plus", "Adds what follows"},
    {"minus", "Subtracts what follows, or makes it negative"},
    {"tangent", "Takes the tangent of what follows, in radians"},
    {"reset", "Deletes all the curves"},
    {"last curve", "Edits the previous curve"},
    {"next curve", "Edits the next curve, or starts a new one"},
    {"back", "Deletes the key before the cursor"},
    {"sketch", "Draws all the curves on the same graph"},
    {"reciprocal", "Takes one divided by what follows"},
    {"ten to the power", "Raises ten to the power of what follows"},
    {"e to the power", "Raises e to the power of what follows"},
    {"root", "Takes the root, of the index before it, of what follows"},
    {"arc sine", "Takes the inverse sine of what follows"},
    {"arc cosine", "Takes the inverse cosine of what follows"},
    {"arc tangent", "Takes the inverse tangent of what follows"},
    {"hyperbolic cosine", "Takes the hyperbolic cosine of what follows"},
    {"pi", "Enters the number pi"},
    {"e", "Enters the number e"},
}};

}  // namespace

KeyWords keyWords(int keyIndex) {
    if (keyIndex < 0 || keyIndex >= kKeyCount) return {};
    const Words& w = kWords[static_cast<std::size_t>(keyIndex)];
    return {w.name, w.description};
}

int neighbourButton(int buttonId, FaceDirection direction) {
    constexpr int kColumns = 6;
    constexpr int kGridButtons = 30;
    constexpr int kBottomButtons = kButtonCount - kGridButtons;
    if (buttonId < 0 || buttonId >= kButtonCount) return buttonId;
    const bool bottom = buttonId >= kGridButtons;
    const int row = bottom ? kGridButtons / kColumns : buttonId / kColumns;
    const int column = bottom ? buttonId - kGridButtons : buttonId % kColumns;
    const int rowLength = bottom ? kBottomButtons : kColumns;
    const int rowStart = bottom ? kGridButtons : row * kColumns;
    switch (direction) {
        case FaceDirection::Left:
            return rowStart + std::max(column - 1, 0);
        case FaceDirection::Right:
            return rowStart + std::min(column + 1, rowLength - 1);
        case FaceDirection::Up:
            if (bottom) return (row - 1) * kColumns + column;
            return row == 0 ? buttonId : buttonId - kColumns;
        case FaceDirection::Down:
            if (bottom) return buttonId;
            if (row + 1 < kGridButtons / kColumns) return buttonId + kColumns;
            return kGridButtons + std::min(column, kBottomButtons - 1);
    }
    return buttonId;
}

}  // namespace orrery
