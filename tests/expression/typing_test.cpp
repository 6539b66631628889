#include <gtest/gtest.h>

#include "expression/typing.h"

namespace orrery {
namespace {

std::string labelsOf(const std::vector<ExpressionToken>& tokens) {
    std::string text;
    for (const ExpressionToken& t : tokens) text += (text.empty() ? "" : " ") + t.label;
    return text;
}

TEST(FunctionNameTyping, LettersResolveIntoFunctionKeys) {
    // The case files type sin, sqrt and names split by a space; these are the harder ones.
    EXPECT_EQ(labelsOf(typeText("sinhx").tokens), "sinh x");
    EXPECT_EQ(labelsOf(typeText("acosx").tokens), "arccos x");
    EXPECT_EQ(labelsOf(typeText("COSHX").tokens), "cosh x");
    EXPECT_EQ(labelsOf(typeText("1\xff\xfe" "2\xc3").tokens), "1 2");  // invalid UTF-8 is ignored
}

TEST(FunctionNameTyping, TheSixthLetterResolvesAtOnce) {
    TypingState state;
    for (char c : std::string("arcsi")) EXPECT_FALSE(state.acceptTypedLetter(c).resolvedKey);
    const TypingState::LetterResult last = state.acceptTypedLetter('n');
    EXPECT_TRUE(last.accepted);
    EXPECT_EQ(last.resolvedKey, 39);
    EXPECT_FALSE(state.hasPendingLetters());
}

TEST(FunctionNameTyping, ATypoIsRefusedWithItsLetterCount) {
    TypingState state;
    TypingState::LetterResult q = state.acceptTypedLetter('q');
    EXPECT_FALSE(q.accepted);
    ASSERT_TRUE(q.message);
    EXPECT_EQ(q.message->caption, "ERROR: TYPO");
    EXPECT_EQ(q.message->text,
              "'q' does not match the first 1 letter of any function name.\n\n"
              "Please modify your input or insert some braces.\n");
    state.acceptTypedLetter('s');
    TypingState::LetterResult sz = state.acceptTypedLetter('z');
    EXPECT_EQ(sz.message->text,
              "'sz' does not match the first 2 letters of any function name.\n\n"
              "Please modify your input or insert some braces.\n");
    EXPECT_EQ(state.pendingLetters(), "s");  // unchanged by the refused letter
}

TEST(FunctionNameTyping, AnUnfinishedNameDropsTheNextKey) {
    TypingState state;
    state.typeCharacter('s');
    state.typeCharacter('i');
    TypedOutcome outcome = state.typeCharacter('2');
    EXPECT_TRUE(outcome.keys.empty());
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->caption, "INPUT ERROR");
    EXPECT_EQ(outcome.message->text,
              "Check help if necessary for the abbreviations for functions\n\n'si' is not "
              "recognized.\n\nPlease add or delete some characters and/or braces.");
    EXPECT_EQ(state.pendingLetters(), "si");
    // Completing the name lets the next key through, after the function.
    state.typeCharacter('n');
    EXPECT_EQ(state.typeCharacter('(').keys, (std::vector<int>{17, 1}));
}

TEST(FunctionNameTyping, BackspaceTakesPendingLettersFirst) {
    TypingState state;
    state.typeCharacter('l');
    state.typeCharacter('o');
    EXPECT_EQ(state.typeCharacter(8).command, TypedOutcome::Command::None);
    EXPECT_EQ(state.pendingLetters(), "l");
    state.typeCharacter(8);
    EXPECT_EQ(state.typeCharacter(8).command, TypedOutcome::Command::Back);
    EXPECT_EQ(labelsOf(typeText("12\b3").tokens), "1 3");
    EXPECT_EQ(labelsOf(typeText("\b\bx").tokens), "x");
}

TEST(FunctionNameTyping, EnterSketchesOrBringsTheCalculatorBack) {
    TypingState state;
    state.typeCharacter('l');
    state.typeCharacter('n');
    TypedOutcome sketch = state.typeCharacter('\r');
    EXPECT_EQ(sketch.command, TypedOutcome::Command::Sketch);
    EXPECT_EQ(sketch.keys, std::vector<int>{10});
    EXPECT_EQ(state.typeCharacter('\r', true).command, TypedOutcome::Command::BackToCalculator);
    EXPECT_EQ(state.typeCharacter('f').command, TypedOutcome::Command::ToggleSecondFunction);

    int sketches = 0;
    typeText("2\r3\r", [&](const std::vector<ExpressionToken>& tokens) {
        ++sketches;
        EXPECT_EQ(tokens.size(), static_cast<std::size_t>(sketches));
    });
    EXPECT_EQ(sketches, 2);
}

TEST(FunctionNameTyping, TextBeyondTheLimitIsRefusedOnce) {
    const TypedExpression typed = typeText(std::string(5000, '1'));
    EXPECT_EQ(typed.tokens.size(), 2000u);
    ASSERT_EQ(typed.messages.size(), 1u);
    EXPECT_EQ(typed.messages[0].caption, "INPUT ERROR");
}

}  // namespace
}  // namespace orrery
