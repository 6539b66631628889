#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_message.h"
#include "expression/key_table.h"

namespace orrery {

// What a typed character stands for, before pending letters are considered.
struct TypedChar {
    enum class Kind { Key, Letter, Backspace, Enter, ToggleSecondFunction, Ignored };
    Kind kind = Kind::Ignored;
    int key = -1;      // for Kind::Key
    char letter = 0;   // for Kind::Letter (lower case)
};

TypedChar keyForTypedChar(char32_t character);

// The outcome of typing one character: keys to insert at the cursor (in
// order), a command for the calculator, and a message to show.
struct TypedOutcome {
    enum class Command { None, Back, Sketch, ToggleSecondFunction, BackToCalculator };
    std::vector<int> keys;
    Command command = Command::None;
    std::optional<UserMessage> message;
};

// The keyboard input state of the calculator: letters of a function name
// typed so far and not yet turned into a key.
class TypingState {
public:
    struct LetterResult {
        bool accepted = false;
        std::optional<int> resolvedKey;  // set when the sixth letter completed a name
        std::optional<UserMessage> message;
    };
    struct Resolution {
        bool ok = true;
        std::optional<int> key;  // the function key replacing the letters
        std::optional<UserMessage> message;
    };

    const std::string& pendingLetters() const { return pending_; }
    bool hasPendingLetters() const { return !pending_.empty(); }

    LetterResult acceptTypedLetter(char letter);
    Resolution resolvePendingLetters();
    // Backspace while letters are pending: drops the last one.
    bool removeLastPendingLetter();
    void clearPendingLetters() { pending_.clear(); }

    // The whole typed-character rule. graphFillsWindow: the calculator is
    // hidden and split-screen mode is off, so Enter brings the calculator back.
    TypedOutcome typeCharacter(char32_t character, bool graphFillsWindow = false);

private:
    std::string pending_;
};

// An expression typed character by character at the end of an empty curve.
struct TypedExpression {
    std::vector<ExpressionToken> tokens;
    std::vector<UserMessage> messages;
};

// Types UTF-8 text as the keyboard would. Enter (carriage return) runs
// onSketch with the tokens typed so far; Backspace deletes the last token.
// resolveAtEnd turns letters still pending at the end into their function key,
// as the next key would. stopAtFirstMessage ends the typing at the first
// message, as a script wants it; the keyboard goes on.
TypedExpression typeText(
    std::string_view utf8,
    const std::function<void(const std::vector<ExpressionToken>&)>& onSketch = {},
    bool resolveAtEnd = false, bool stopAtFirstMessage = false);

}  // namespace orrery
