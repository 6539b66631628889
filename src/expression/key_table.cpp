#include "expression/key_table.h"

#include <cctype>

namespace orrery {
namespace {

struct KeyRow {
    const char* name;
    const char* label;
    KeyClass keyClass;
    const char* tooltip;
};

constexpr KeyClass N = KeyClass::Number;
constexpr KeyClass F = KeyClass::Function;
constexpr KeyClass B = KeyClass::Bracket;
constexpr KeyClass C = KeyClass::Control;
constexpr KeyClass O = KeyClass::Operator;

constexpr std::array<KeyRow, kKeyCount> kRows{{
    {"f", "f", C, "Change to second function"},
    {"left_bracket", "(", B, ""},
    {"right_bracket", ")", B, ""},
    {"x", "x", F, "Domain=Range=all"},
    {"square", "square", O, "Domain=all, Range=[0,Infinity)"},
    {"cube", "cube", O, "Domain=Range=all"},
    {"seven", "7", N, ""},
    {"eight", "8", N, ""},
    {"nine", "9", N, ""},
    {"log", "log", F, "Domain=(0,Infinity), Range=all"},
    {"ln", "ln", F, "Domain=(0,Infinity), Range=all"},
    {"y^x", "y^x", O, "Base=(0,Infinity), Exponent=all, Range=(0,Infinity) Key: Shift-6"},
    {"four", "4", N, ""},
    {"five", "5", N, ""},
    {"six", "6", N, ""},
    {"sqrt", "sqrt", F, "Domain=Range=[0,Infinity)"},
    {"croot", "croot", F, "Domain=Range=all"},
    {"sin", "sin", F, "Domain=all, Range=[-1,1]"},
    {"one", "1", N, ""},
    {"two", "2", N, ""},
    {"three", "3", N, ""},
    {"sinh", "sinh", F, "Domain=Range=all"},
    {"div", "division", O, "Divisor non-zero"},
    {"cos", "cos", F, "Domain=all, Range=[-1,1]"},
    {"zero", "0", N, ""},
    {"decimal", ".", N, "Decimal Point"},
    {"multiply", "multiplication", O, ""},
    {"plus", "+", O, ""},
    {"minus", "-", O, "Minus sign"},
    {"tan", "tan", F, "Domain=all except odd multiples of Pi/2, Range=all"},
    {"reset", "Reset", C, "Delete all the curves."},
    {"lastcurve", "LastCurve", C, "Edit the last curve. Key: Page Down"},
    {"nextcurve", "NextCurve", C, "Edit next curve. Key: Page Up"},
    {"back", "Back", C, "Delete last input"},
    {"sketch", "Sketch", C, "Draw all the curves on the same graph."},
    {"reciprocal", "1/x", F, "Domain=Range=all non-zero"},
    {"ten_x", "10^x", F, "Domain=all, Range=(0,Infinity)"},
    {"e_x", "e^x", F, "Domain=all, Range=(0,Infinity)"},
    {"x_root_y", "x_root_y", O, "Base=(0,Infinity), Exponent=all, Range=(0,Infinity)"},
    {"asin", "arcsin", F, "Domain=[-1,1] Range=[-Pi/2,Pi/2]"},
    {"acos", "arccos", F, "Domain=[-1,1] Range=[0,Pi]"},
    {"atan", "arctan", F, "Domain=all, Range=(-Pi/2,Pi/2)"},
    {"cosh", "cosh", F, "Domain=all, Range=(1,Infinity)"},
    {"PI", "PI", N, "3.14159265358979323846264338327950288419716939937510 Key: P"},
    {"e", "e", N, ""},
}};

struct SecondPair {
    int button;
    int key;
};

constexpr std::array<SecondPair, 9> kSecondPairs{{
    {3, 43}, {4, 35}, {9, 36}, {10, 37}, {11, 38}, {17, 39}, {21, 42}, {23, 40}, {29, 41},
}};

}  // namespace

KeyTable::KeyTable() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const KeyRow& row = kRows[i];
        keys_[i] = ExpressionToken{row.label, row.name, row.tooltip, static_cast<std::int32_t>(i),
                                   row.keyClass};
    }
}

const KeyTable& keyTable() {
    static const KeyTable table;
    return table;
}

ExpressionToken keyAt(int index) { return keyTable().at(index); }

int secondFunctionKey(int buttonId) {
    for (const SecondPair& pair : kSecondPairs)
        if (pair.button == buttonId) return pair.key;
    return -1;
}

int keyForButton(int buttonId, bool secondMode) {
    if (secondMode) {
        const int second = secondFunctionKey(buttonId);
        if (second >= 0) return second;
    }
    return buttonId;
}

std::string textForm(const ExpressionToken& token) {
    const std::string& label = token.label;
    if (label == "division") return "\u00F7";
    if (label == "multiplication") return "\u00B7";
    if (label == "square") return "\u00B2";
    if (label == "cube") return "\u00B3";
    if (label == "sqrt") return "\u00B2/\u00AF";
    if (label == "croot") return "\u00B3/\u00AF";
    if (label == "x_root_y") return "/\u00AF";
    if (label == "y^x") return "^";
    if (label == "10^x") return "10^";
    if (label == "e^x") return "e^";
    return label;
}

std::string faceBitmapName(const ExpressionToken& token) {
    std::string name = token.name;
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

std::string pressedBitmapName(const ExpressionToken& token) { return "w_" + token.name; }

std::string captionBitmapName(const ExpressionToken& token) { return "t_" + token.name; }

}  // namespace orrery
