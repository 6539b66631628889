#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "expression/arithmetic.h"
#include "expression/parse_item.h"

namespace orrery {

// A normalised expression compiled once into a flat list of instructions,
// each applied over a whole block of x values. Gives the same bits as the
// reduction engine (markers included) at a small fraction of its cost.
class CompiledExpression {
public:
    // Compiles a normalised item list; the "Mismatched brackets" message when
    // its brackets do not pair up.
    static std::variant<CompiledExpression, UserMessage> compile(const ExpressionContext& context,
                                                                  const ParseItemList& items);

    // out[i] = f(xs[i]); the spans have the same length.
    void evaluate(std::span<const double> xs, std::span<double> out) const;
    double evaluate(double x) const;

    // True when the value does not depend on x (for finite x).
    bool isConstant() const;

    struct Operand {
        std::int32_t reg = -1;  // -1: the immediate; 0: x; 1..: scratch registers
        double imm = 0.0;
    };
    struct Instruction {
        enum class Code : std::uint8_t { Op, Func, PosInf, AnyOf, HighIf };
        Code code = Code::Op;
        Operation op = Operation::Add;
        FunctionKind fn = FunctionKind::Identity;
        std::int32_t dst = 0;
        Operand a;
        Operand b;
    };
    struct Program {
        std::vector<Instruction> code;
        Operand result;
        std::int32_t registers = 0;
    };

private:
    void run(const Program& program, const double* xs, double* out, std::size_t n,
             bool finiteX) const;

    Program finite_;   // for x values that are all finite: every sample grid
    Program general_;  // exact for any x, infinities and NaN included
};

}  // namespace orrery
