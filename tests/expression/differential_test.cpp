// The compiled programs against the reference engine on random key sequences:
// the same bits, markers included, or the same refusal.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <variant>

#include "expression/compiled_expression.h"
#include "expression/curve_evaluation.h"
#include "expression/input_reading.h"
#include "expression_keys.h"
#include "expression/reduction_engine.h"

namespace orrery {
namespace {

class KeySequences {
public:
    explicit KeySequences(std::uint64_t seed) : random_(seed) {}

    std::vector<ExpressionToken> next() {
        std::vector<ExpressionToken> keys;
        if (chance(0.35)) {
            const int length = pick(1, 12);
            for (int i = 0; i < length; ++i) keys.push_back(keyAt(anyKey()));
        } else {
            expression(keys, 0);
            // Mutations reach the corners that well-formed input does not.
            while (chance(0.3) && !keys.empty()) {
                const auto at = static_cast<std::size_t>(pick(0, static_cast<int>(keys.size()) - 1));
                if (chance(0.5))
                    keys.erase(keys.begin() + static_cast<std::ptrdiff_t>(at));
                else
                    keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(at), keyAt(anyKey()));
            }
        }
        return keys;
    }

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    int oneOf(std::initializer_list<int> keys) {
        return *(keys.begin() + pick(0, static_cast<int>(keys.size()) - 1));
    }
    // Any key that may stand in an expression (not the control keys).
    int anyKey() {
        int k;
        do k = pick(1, 44);
        while (k >= 30 && k <= 34);
        return k;
    }
    int functionKey() { return oneOf({9, 10, 15, 16, 17, 21, 23, 29, 35, 36, 37, 39, 40, 41, 42}); }

    void number(std::vector<ExpressionToken>& keys) {
        const int digits = pick(1, 3);
        for (int i = 0; i < digits; ++i) keys.push_back(keyAt(oneOf({24, 18, 19, 20, 12, 13, 14, 6, 7, 8})));
        if (chance(0.3)) {
            keys.push_back(keyAt(25));
            keys.push_back(keyAt(oneOf({24, 18, 13, 8})));
        }
    }

    void factor(std::vector<ExpressionToken>& keys, int depth) {
        switch (pick(0, depth > 3 ? 3 : 7)) {
            case 0: number(keys); break;
            case 1: keys.push_back(keyAt(3)); break;
            case 2: keys.push_back(keyAt(chance(0.5) ? 43 : 44)); break;
            case 3: keys.push_back(keyAt(functionKey())); break;
            case 4:
            case 5:
                keys.push_back(keyAt(functionKey()));
                factor(keys, depth + 1);
                break;
            default:
                keys.push_back(keyAt(1));
                expression(keys, depth + 1);
                keys.push_back(keyAt(2));
                break;
        }
    }

    void term(std::vector<ExpressionToken>& keys, int depth) {
        if (chance(0.15)) keys.push_back(keyAt(chance(0.7) ? 28 : 27));
        factor(keys, depth);
        if (chance(0.15)) keys.push_back(keyAt(chance(0.5) ? 4 : 5));
        if (chance(0.2)) factor(keys, depth + 1);  // implicit products, relaxed arguments
    }

    void expression(std::vector<ExpressionToken>& keys, int depth) {
        term(keys, depth);
        const int more = depth > 3 ? 0 : pick(0, 3);
        for (int i = 0; i < more; ++i) {
            keys.push_back(keyAt(oneOf({27, 28, 26, 22, 11, 38})));
            if (chance(0.15)) keys.push_back(keyAt(28));  // a sign after the operator
            term(keys, depth + 1);
        }
    }

    std::mt19937_64 random_;
};

bool sameBits(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) ||
           std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::string describe(const std::vector<ExpressionToken>& keys) {
    std::string text;
    for (const ExpressionToken& key : keys) text += key.label + " ";
    return text;
}

TEST(Differential, CompiledProgramsMatchTheReferenceEngine) {
    // Ordinary x (the fast paths for values of known size), huge x (overflow
    // and markers), and x that is not finite (the exact program).
    const std::vector<std::vector<double>> batches{
        {-5, -2.5, -1, -0.3, 0, 1e-7, 0.5, 1, 2, 4.999},
        {1e300, -1e300, 1e154, -3e102},
        {INFINITY, -INFINITY, NAN},
    };
    const ExpressionContext context;
    const std::vector<double> grid = sampleGrid(context.xMin, context.xMax, context.pointCount);
    KeySequences sequences(20261206);
    int accepted = 0;
    int failures = 0;
    auto compare = [&](const std::vector<ExpressionToken>& keys, const ParseItemList& items,
                       const std::vector<double>& xs, const std::vector<double>& values) {
        for (std::size_t i = 0; i < xs.size() && failures < 10; ++i) {
            const Evaluation reference = evaluate(context, items, xs[i]);
            ASSERT_TRUE(reference.ok) << describe(keys);
            if (!sameBits(reference.value, values[i])) {
                ADD_FAILURE() << describe(keys) << " at x = " << xs[i] << ": reference "
                              << reference.value << ", compiled " << values[i];
                ++failures;
            }
        }
    };
    for (int n = 0; n < 100000 && failures < 10; ++n) {
        const std::vector<ExpressionToken> keys = sequences.next();
        ParseItemList items;
        if (normalisedItems(keys, context, items)) continue;  // refused before either engine
        ++accepted;
        auto compiled = CompiledExpression::compile(context, items);
        if (std::holds_alternative<UserMessage>(compiled)) {
            const Evaluation reference = evaluate(context, items, 0.0);
            EXPECT_FALSE(reference.ok) << describe(keys);
            failures += reference.ok;
            continue;
        }
        const CompiledExpression& program = std::get<CompiledExpression>(compiled);
        for (std::size_t b = 0; b < batches.size(); ++b) {
            if (b == 2 && n % 10 != 0) continue;
            std::vector<double> values(batches[b].size());
            program.evaluate(batches[b], values);
            compare(keys, items, batches[b], values);
        }
        // Now and then the whole drawing grid, as the graph samples it.
        if (n % 100 == 0) compare(keys, items, grid, sampleCurve(context, program));
    }
    EXPECT_GT(accepted, 40000);
}

// The reading typed back on the keyboard: ASCII for the signs, keys by name
// where no character types them. A root sign after an operand is x_root_y,
// elsewhere the square root; "1/(" is the reciprocal key (a quotient reads ÷).
std::string typedBack(const std::string& reading) {
    static const std::vector<std::pair<std::string, std::string>> kSubstitutes{
        {"·", "*"}, {"÷", "/"}, {"−", "-"}, {"π", "p"}, {"²", "{square}"}, {"³", "{cube}"},
        {"∛", "{croot}"}, {"exp", "{e_x}"}, {"1/(", "{reciprocal}("}};
    std::string typed;
    for (std::size_t i = 0; i < reading.size();) {
        if (reading.compare(i, 3, "√") == 0) {
            const char last = typed.empty() ? ' ' : typed.back();
            const bool afterOperand = std::isalnum(static_cast<unsigned char>(last)) || last == ')' ||
                                      typed.ends_with("{square}") || typed.ends_with("{cube}");
            typed += afterOperand ? "{x_root_y}" : "{sqrt}";
            i += 3;
            continue;
        }
        bool substituted = false;
        for (const auto& [from, to] : kSubstitutes) {
            if (reading.compare(i, from.size(), from) == 0) {
                typed += to;
                i += from.size();
                substituted = true;
                break;
            }
        }
        if (!substituted) typed += reading[i++];
    }
    return typed;
}

TEST(Differential, TheReadingTypedBackGivesTheSameValues) {
    const std::vector<double> xs{-4.75, -2.2, -1, -0.3, 0.2, 0.7, 1, 1.9, 3.3, 4.9};
    const ExpressionContext context;
    KeySequences sequences(19);
    int compared = 0;
    int failures = 0;
    for (int n = 0; n < 20000 && failures < 10; ++n) {
        const std::vector<ExpressionToken> keys = sequences.next();
        const PreparedExpression original = prepareExpression(keys, context);
        if (!original.program) continue;
        const InputReading reading = readInput(keys, context);
        ASSERT_FALSE(reading.message) << describe(keys);
        const std::string typed = typedBack(reading.text);
        const PreparedExpression again = prepareExpression(testing::keysFor(typed), context);
        if (!again.program) {
            ADD_FAILURE() << describe(keys) << "reads " << reading.text << ", refused when typed back: "
                          << again.message->text;
            ++failures;
            continue;
        }
        ++compared;
        for (double x : xs) {
            const double a = original.program->evaluate(x);
            const double b = again.program->evaluate(x);
            // 10^( types back as a power: only its markers differ.
            if (sameBits(a, b) || (isNoValue(a) && isNoValue(b))) continue;
            ADD_FAILURE() << describe(keys) << "reads " << reading.text << ": at x = " << x
                          << " " << a << " against " << b;
            ++failures;
            break;
        }
    }
    EXPECT_GT(compared, 5000);
}

}  // namespace
}  // namespace orrery
