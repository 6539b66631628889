#include "expression/typing.h"

#include <array>

#include "common/utf8.h"
#include "expression/expression_limits.h"

namespace orrery {
namespace {

struct FunctionName {
    const char* typed;
    int key;
};

constexpr std::array<FunctionName, 15> kFunctionNames{{
    {"sin", 17}, {"cos", 23}, {"tan", 29}, {"asin", 39}, {"arcsin", 39},
    {"acos", 40}, {"arccos", 40}, {"atan", 41}, {"arctan", 41}, {"log", 9},
    {"ln", 10}, {"sqrt", 15}, {"croot", 16}, {"sinh", 21}, {"cosh", 42},
}};

constexpr std::size_t kLongestFunctionName = 5;  // beyond this a name resolves at once

bool isPrefixOfFunctionName(const std::string& candidate) {
    for (const FunctionName& name : kFunctionNames)
        if (std::string_view(name.typed).starts_with(candidate)) return true;
    return false;
}

std::optional<int> functionKeyFor(const std::string& letters) {
    for (const FunctionName& name : kFunctionNames)
        if (letters == name.typed) return name.key;
    return std::nullopt;
}

constexpr std::array<int, 10> kDigitKeys{24, 18, 19, 20, 12, 13, 14, 6, 7, 8};

}  // namespace

TypedChar keyForTypedChar(char32_t character) {
    using Kind = TypedChar::Kind;
    char32_t c = character;
    if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
    auto keyOf = [](int key) { return TypedChar{Kind::Key, key, 0}; };
    switch (c) {
        case 8: return TypedChar{Kind::Backspace, -1, 0};
        case 13: return TypedChar{Kind::Enter, -1, 0};
        case U'(': case U'[': case U'{': return keyOf(key::kLeftBracket);
        case U')': case U']': case U'}': return keyOf(key::kRightBracket);
        case U'*': return keyOf(key::kMultiplication);
        case U'+': return keyOf(key::kPlus);
        case U'-': return keyOf(key::kMinus);
        case U'.': return keyOf(key::kDecimal);
        case U'/': case U'\\': return keyOf(key::kDivision);
        case U'^': return keyOf(key::kYPowerX);
        case U'e': return keyOf(key::kE);
        case U'p': return keyOf(key::kPi);
        case U'x': return keyOf(key::kX);
        case U'f': return TypedChar{Kind::ToggleSecondFunction, -1, 0};
        default: break;
    }
    if (c >= U'0' && c <= U'9') return keyOf(kDigitKeys[c - U'0']);
    if (c >= U'a' && c <= U'z') return TypedChar{Kind::Letter, -1, static_cast<char>(c)};
    return TypedChar{};
}

TypingState::LetterResult TypingState::acceptTypedLetter(char letter) {
    const std::string candidate = pending_ + letter;
    if (!isPrefixOfFunctionName(candidate)) {
        const std::size_t n = candidate.size();
        return LetterResult{
            false, std::nullopt,
            UserMessage{"ERROR: TYPO",
                        "'" + candidate + "' does not match the first " + std::to_string(n) +
                            (n < 2 ? " letter" : " letters") + " of any function name.\n\n" +
                            "Please modify your input or insert some braces.\n",
                        MessageIcon::Warning, MessageButtons::Ok}};
    }
    pending_ = candidate;
    LetterResult result{true, std::nullopt, std::nullopt};
    if (pending_.size() > kLongestFunctionName) {
        Resolution resolution = resolvePendingLetters();
        result.resolvedKey = resolution.key;
        result.message = resolution.message;
    }
    return result;
}

TypingState::Resolution TypingState::resolvePendingLetters() {
    if (pending_.empty()) return Resolution{};
    if (std::optional<int> key = functionKeyFor(pending_)) {
        pending_.clear();
        return Resolution{true, key, std::nullopt};
    }
    return Resolution{
        false, std::nullopt,
        UserMessage{"INPUT ERROR",
                    "Check help if necessary for the abbreviations for functions\n\n'" + pending_ +
                        "' is not recognized.\n" +
                        "\nPlease add or delete some characters and/or braces.",
                    MessageIcon::Warning, MessageButtons::Ok}};
}

bool TypingState::removeLastPendingLetter() {
    if (pending_.empty()) return false;
    pending_.pop_back();
    return true;
}

TypedOutcome TypingState::typeCharacter(char32_t character, bool graphFillsWindow) {
    using Kind = TypedChar::Kind;
    using Command = TypedOutcome::Command;
    const TypedChar typed = keyForTypedChar(character);
    TypedOutcome outcome;

    if (typed.kind == Kind::Backspace) {
        if (!removeLastPendingLetter()) outcome.command = Command::Back;
        return outcome;
    }
    if (typed.kind == Kind::Letter) {
        LetterResult letter = acceptTypedLetter(typed.letter);
        if (letter.resolvedKey) outcome.keys.push_back(*letter.resolvedKey);
        outcome.message = letter.message;
        return outcome;
    }
    if (typed.kind == Kind::Enter && graphFillsWindow) {
        outcome.command = Command::BackToCalculator;
        return outcome;
    }
    // Every other character, even one that is otherwise ignored, ends a
    // function name being typed; a name that cannot be resolved drops it.
    Resolution resolution = resolvePendingLetters();
    if (!resolution.ok) {
        outcome.message = resolution.message;
        return outcome;
    }
    if (resolution.key) outcome.keys.push_back(*resolution.key);
    switch (typed.kind) {
        case Kind::Key: outcome.keys.push_back(typed.key); break;
        case Kind::Enter: outcome.command = Command::Sketch; break;
        case Kind::ToggleSecondFunction: outcome.command = Command::ToggleSecondFunction; break;
        default: break;
    }
    return outcome;
}

TypedExpression typeText(std::string_view utf8,
                         const std::function<void(const std::vector<ExpressionToken>&)>& onSketch,
                         bool resolveAtEnd, bool stopAtFirstMessage) {
    TypedExpression typed;
    TypingState state;
    auto insert = [&typed](int key) {
        if (std::optional<UserMessage> full = checkRoomForToken(typed.tokens.size())) {
            if (typed.messages.empty() || !(typed.messages.back() == *full))
                typed.messages.push_back(*full);
            return;
        }
        typed.tokens.push_back(keyAt(key));
    };
    for (char32_t character : decodeUtf8(utf8)) {
        TypedOutcome outcome = state.typeCharacter(character);
        if (outcome.message) typed.messages.push_back(*outcome.message);
        for (int key : outcome.keys) insert(key);
        if (stopAtFirstMessage && !typed.messages.empty()) return typed;
        if (outcome.command == TypedOutcome::Command::Back && !typed.tokens.empty())
            typed.tokens.pop_back();
        if (outcome.command == TypedOutcome::Command::Sketch && onSketch) onSketch(typed.tokens);
    }
    if (resolveAtEnd) {
        TypingState::Resolution resolution = state.resolvePendingLetters();
        if (resolution.key) insert(*resolution.key);
        if (resolution.message) typed.messages.push_back(*resolution.message);
    }
    return typed;
}

}  // namespace orrery
