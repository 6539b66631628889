#include "shell/calculator_input.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "expression/expression_limits.h"
#include "graphing/graph_limits.h"
#include "graphing/graph_settings.h"
#include "graphing/graph_view.h"
#include "shell/symbol_layout.h"
#include "support/case_file.h"

namespace orrery {
namespace {

using CursorKey = CalculatorInput::CursorKey;

struct Calculator {
    GraphSettings settings;
    GraphView view{settings};
    CalculatorInput input{view};
    Curve& curve() { return view.curves().current(); }
};

std::vector<int> lineStartsOf(const std::string& field) {
    std::vector<int> starts;
    std::istringstream in(field);
    for (int start; in >> start;) starts.push_back(start);
    return starts;
}

std::optional<CursorKey> cursorKeyNamed(const std::string& name) {
    if (name == "Left") return CursorKey::Left;
    if (name == "Right") return CursorKey::Right;
    if (name == "Home") return CursorKey::Home;
    if (name == "End") return CursorKey::End;
    if (name == "Up") return CursorKey::Up;
    if (name == "Down") return CursorKey::Down;
    if (name == "Del") return CursorKey::Delete;
    return std::nullopt;
}

// Runs one line of the editing table; returns the last message's caption.
std::string run(Calculator& calc, const std::string& script, const std::vector<int>& lineStarts) {
    std::string caption = "-";
    auto note = [&caption](const std::optional<UserMessage>& message) {
        if (message) caption = message->caption;
    };
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        if (c == '{' || c == '[') {
            const std::size_t end = script.find(c == '{' ? '}' : ']', i);
            const std::string word = script.substr(i + 1, end - i - 1);
            i = end;
            if (c == '[') {
                const int id = std::stoi(word);
                // The control keys are the frame's commands: nothing changes here.
                if (id < 30) note(calc.input.pressButton(id));
            } else if (word == "BS") {
                note(calc.input.typeCharacter(8, false).message);
            } else if (word == "Back") {
                calc.input.back();
            } else if (word.starts_with("at ")) {
                calc.input.placeCursor(std::stoi(word.substr(3)));
            } else {
                const std::optional<CursorKey> key = cursorKeyNamed(word);
                EXPECT_TRUE(key) << word;
                if (key) note(calc.input.cursorKey(*key, lineStarts));
            }
        } else {
            note(calc.input.typeCharacter(static_cast<unsigned char>(c), false).message);
        }
    }
    return caption;
}

// The curve as the table writes it, from the display's own entries: "_"
// before the entry at the cursor, pending letters in <angle brackets>.
std::string shown(Calculator& calc) {
    const std::vector<SymbolEntry> entries =
        symbolEntries(calc.curve(), calc.input.typing().pendingLetters());
    std::vector<std::string> pieces;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SymbolEntry& entry = entries[i];
        std::string piece = static_cast<int>(i) == calc.curve().cursor ? "_" : "";
        piece += entry.color == SymbolColor::Pending ? "<" + entry.text + ">" : entry.text;
        pieces.push_back(piece);
    }
    if (calc.curve().cursor == static_cast<int>(entries.size())) pieces.push_back("_");
    std::string text;
    for (const std::string& piece : pieces) text += (text.empty() ? "" : " ") + piece;
    return text;
}

TEST(CalculatorInputTest, EditingTable) {
    testing::forEachCase(
        ORRERY_TEST_DATA_DIR "/calculator_editing.txt", 30, [](const testing::Case& c) {
            ASSERT_EQ(c.fields.size(), 5u);
            Calculator calc;
            const std::string caption = run(calc, c.fields[0], lineStartsOf(c.fields[1]));
            EXPECT_EQ(shown(calc), c.fields[2]);
            EXPECT_EQ(caption, c.fields[3]);
            EXPECT_EQ(calc.settings.modified, c.fields[4] == "yes");
        });
}

// Enter, Backspace and the second-function key are answered here: the frame
// must not also act on them.
TEST(CalculatorInputTest, EnterBackspaceAndSecondFunctionGiveTheFrameTheirCommandOnly) {
    Calculator calc;
    EXPECT_EQ(calc.input.typeCharacter(U'7', false).command, TypedOutcome::Command::None);
    EXPECT_EQ(calc.input.typeCharacter(8, false).command, TypedOutcome::Command::None);
    EXPECT_TRUE(calc.curve().tokens.empty());
    EXPECT_EQ(calc.input.typeCharacter(U'F', false).command, TypedOutcome::Command::None);
    EXPECT_TRUE(calc.input.secondMode());
    calc.input.typeCharacter(U'F', false);

    run(calc, "cos", {});
    EXPECT_EQ(calc.input.typeCharacter(13, false).command, TypedOutcome::Command::Sketch);
    ASSERT_EQ(calc.curve().tokens.size(), 1u);  // the letters resolved first
    EXPECT_EQ(calc.curve().tokens[0].index, 23);
    EXPECT_EQ(calc.input.typeCharacter(13, true).command, TypedOutcome::Command::BackToCalculator);
    EXPECT_EQ(calc.curve().tokens.size(), 1u);

    // Clear drops pending letters but keeps the curve and the mode.
    calc.input.pressButton(0);
    run(calc, "s", {});
    calc.input.clear();
    EXPECT_FALSE(calc.input.typing().hasPendingLetters());
    EXPECT_EQ(calc.curve().tokens.size(), 1u);
    EXPECT_TRUE(calc.input.secondMode());
}

TEST(CalculatorInputTest, AFullCurveRefusesMoreKeysWithTheLimitMessage) {
    Calculator calc;
    calc.curve().tokens.assign(kMaxExpressionTokens, keyAt(19));
    calc.curve().cursor = 5;
    const UserMessage full = *checkRoomForToken(kMaxExpressionTokens);

    EXPECT_EQ(calc.input.pressButton(6), full);
    EXPECT_EQ(calc.input.typeCharacter(U'3', false).message, full);
    // A name that completes into a full curve neither fits nor sketches.
    calc.input.typeCharacter(U's', false);
    calc.input.typeCharacter(U'i', false);
    calc.input.typeCharacter(U'n', false);
    const TypedOutcome enter = calc.input.typeCharacter(13, false);
    EXPECT_EQ(enter.message, full);
    EXPECT_EQ(enter.command, TypedOutcome::Command::None);
    EXPECT_EQ(calc.curve().tokens.size(), kMaxExpressionTokens);
    EXPECT_EQ(calc.curve().cursor, 5);
    EXPECT_FALSE(calc.settings.modified);

    calc.input.back();
    EXPECT_EQ(calc.curve().tokens.size(), kMaxExpressionTokens - 1);
    EXPECT_EQ(calc.input.pressButton(6), std::nullopt);

    // A graph whose curves hold every key they may hold together refuses
    // one more, in a curve with room of its own.
    for (std::size_t filled = kMaxExpressionTokens; filled < kMaxKeysInAllCurves; filled += kMaxExpressionTokens) {
        ASSERT_EQ(calc.view.nextCurve(), std::nullopt);
        calc.curve().tokens.assign(kMaxExpressionTokens, keyAt(19));
    }
    calc.curve().tokens.pop_back();
    EXPECT_EQ(calc.input.pressButton(6), std::nullopt);
    EXPECT_EQ(calc.input.pressButton(6), tooManyKeysMessage());
    EXPECT_EQ(calc.view.curves().keyCount(), kMaxKeysInAllCurves);
}

}  // namespace
}  // namespace orrery
