#include "expression/compiled_expression.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "expression/expression_graph.h"

namespace orrery {
namespace {

using Instruction = CompiledExpression::Instruction;
using Operand = CompiledExpression::Operand;
using Program = CompiledExpression::Program;
using Code = Instruction::Code;
using Kind = ExprNode::Kind;

constexpr std::size_t kBlock = 512;  // x values per pass: a drawing in one block, within the L1 cache

// Turns an expression tree into instructions over registers, reusing a
// register as soon as its value has been read.
class Emitter {
public:
    explicit Emitter(const ExpressionGraph& graph) : graph_(graph) {}

    Program emit() {
        Program program;
        program.result = operand(graph_.root, program);
        program.registers = registers_;
        return program;
    }

private:
    Operand operand(int n, Program& program) {
        const ExprNode& node = graph_.nodes[static_cast<std::size_t>(n)];
        if (node.kind == Kind::Const) return Operand{-1, node.value};
        if (node.kind == Kind::X) return Operand{0, 0.0};
        Instruction ins;
        ins.op = node.op;
        ins.fn = node.fn;
        ins.a = operand(node.a, program);
        if (node.b >= 0) ins.b = operand(node.b, program);
        release(ins.a);
        release(ins.b);
        switch (node.kind) {
            case Kind::Op: ins.code = Code::Op; break;
            case Kind::Func: ins.code = Code::Func; break;
            case Kind::PosInf: ins.code = Code::PosInf; break;
            case Kind::AnyOf: ins.code = Code::AnyOf; break;
            default: ins.code = Code::HighIf; break;
        }
        // y^2 is the square for every base, 0 and negatives included.
        if (ins.code == Code::Op && ins.op == Operation::Power && ins.b.reg < 0 && ins.b.imm == 2.0)
            ins.op = Operation::Square;
        ins.dst = acquire();
        program.code.push_back(ins);
        return Operand{ins.dst, 0.0};
    }

    std::int32_t acquire() {
        if (!free_.empty()) {
            const std::int32_t reg = free_.back();
            free_.pop_back();
            return reg;
        }
        return ++registers_;
    }
    void release(const Operand& o) {
        if (o.reg > 0) free_.push_back(o.reg);
    }

    const ExpressionGraph& graph_;
    std::int32_t registers_ = 0;
    std::vector<std::int32_t> free_;
};

Program compileProgram(const ExpressionGraph& graph) { return Emitter(graph).emit(); }

// Operand readers: a register row or a constant broadcast over the block.
struct Row {
    const double* p;
    double operator[](std::size_t i) const { return p[i]; }
};
struct Imm {
    double v;
    double operator[](std::size_t) const { return v; }
};

template <class A, class B, class F>
void mapBinary(A a, B b, double* out, std::size_t n, F f) {
    for (std::size_t i = 0; i < n; ++i) out[i] = f(a[i], b[i]);
}

// The marker rule of applyOperator without branches, so that the loops of
// the four arithmetic operations vectorise.
inline double guarded(double x, double y, double result) {
    const bool high = !(x < kUndefinedHigh) | !(y < kUndefinedHigh);
    const bool low = (x <= kUndefinedLow) | (y <= kUndefinedLow);
    const double marker = high ? kUndefinedHigh : kUndefinedLow;
    return (high | low) ? marker : result;
}

// Operands known to be values (neither markers nor infinite): the plain operation.
template <class A, class B>
bool arithmeticOnValues(Operation op, A a, B b, double* out, std::size_t n) {
    switch (op) {
        case Operation::Add: mapBinary(a, b, out, n, [](double x, double y) { return x + y; }); return true;
        case Operation::Subtract: mapBinary(a, b, out, n, [](double x, double y) { return x - y; }); return true;
        case Operation::Multiply: mapBinary(a, b, out, n, [](double x, double y) { return x * y; }); return true;
        case Operation::Divide:
            mapBinary(a, b, out, n, [](double x, double y) {
                const double quotient = x / y;
                return y == 0.0 ? kUndefinedHigh : quotient;
            });
            return true;
        case Operation::Square: mapBinary(a, b, out, n, [](double x, double) { return x * x; }); return true;
        case Operation::Cube: mapBinary(a, b, out, n, [](double x, double) { return x * x * x; }); return true;
        default: return false;
    }
}

template <class A, class B>
void arithmetic(Operation op, A a, B b, double* out, std::size_t n, bool operandsAreValues) {
    if (operandsAreValues && arithmeticOnValues(op, a, b, out, n)) return;
    switch (op) {
        case Operation::Add:
            return mapBinary(a, b, out, n, [](double x, double y) { return guarded(x, y, x + y); });
        case Operation::Subtract:
            return mapBinary(a, b, out, n, [](double x, double y) { return guarded(x, y, x - y); });
        case Operation::Multiply:
            return mapBinary(a, b, out, n, [](double x, double y) { return guarded(x, y, x * y); });
        case Operation::Divide:
            return mapBinary(a, b, out, n, [](double x, double y) {
                const double quotient = x / y;
                return guarded(x, y, y == 0.0 ? kUndefinedHigh : quotient);
            });
        case Operation::Square:
            return mapBinary(a, b, out, n, [](double x, double y) { return guarded(x, y, x * x); });
        case Operation::Cube:
            return mapBinary(a, b, out, n, [](double x, double y) { return guarded(x, y, x * x * x); });
        default:
            return mapBinary(a, b, out, n,
                             [op](double x, double y) { return applyOperator(op, x, y); });
    }
}

template <class A, class B>
void binary(const Instruction& ins, A a, B b, double* out, std::size_t n, bool operandsAreValues) {
    switch (ins.code) {
        case Code::Op: return arithmetic(ins.op, a, b, out, n, operandsAreValues);
        case Code::AnyOf:
            return mapBinary(a, b, out, n,
                             [](double x, double y) { return (x != 0.0 || y != 0.0) ? 1.0 : 0.0; });
        case Code::HighIf:
            return mapBinary(a, b, out, n,
                             [](double c, double v) { return c != 0.0 ? kUndefinedHigh : v; });
        default: return;
    }
}

template <class F>
void mapUnary(const double* a, double* out, std::size_t n, F f) {
    for (std::size_t i = 0; i < n; ++i) out[i] = f(a[i]);
}

void function(FunctionKind fn, const double* a, double* out, std::size_t n) {
    switch (fn) {
        case FunctionKind::Sin:
            return mapUnary(a, out, n, [](double v) {
                return isNoValue(v) ? applyFunction(FunctionKind::Sin, v) : std::sin(v);
            });
        case FunctionKind::Cos:
            return mapUnary(a, out, n, [](double v) {
                return isNoValue(v) ? applyFunction(FunctionKind::Cos, v) : std::cos(v);
            });
        default:
            return mapUnary(a, out, n, [fn](double v) { return applyFunction(fn, v); });
    }
}

// A bound on the magnitude of an instruction's result over a block, from the
// bounds of its operands: below the largest finite double means every value
// is a number, so the next operation can skip the marker tests. Rounding is
// covered by widening each step a little; anything unknown is infinite.
double resultBound(const Instruction& ins, double a, double b) {
    constexpr double kWiden = 1.0 + 0x1p-50;
    const double inf = std::numeric_limits<double>::infinity();
    const bool values = a < kUndefinedHigh && b < kUndefinedHigh;
    switch (ins.code) {
        case Code::PosInf:
        case Code::AnyOf: return 1.0;
        case Code::HighIf: return inf;
        case Code::Func:
            if (!(a < kUndefinedHigh)) return inf;
            if (ins.fn == FunctionKind::Sin || ins.fn == FunctionKind::Cos) return 1.0;
            if (ins.fn == FunctionKind::Arctan) return 2.0;
            if (ins.fn == FunctionKind::Identity) return a;
            return inf;
        case Code::Op:
            if (!values) return inf;
            switch (ins.op) {
                case Operation::Add:
                case Operation::Subtract: return (a + b) * kWiden;
                case Operation::Multiply: return a * b * kWiden;
                case Operation::Square: return a * a * kWiden;
                case Operation::Cube: return a * a * a * kWiden * kWiden;
                default: return inf;
            }
    }
    return inf;
}

// One instruction over a block. Built twice, for AVX2 and for any x86-64,
// and chosen when the program starts: wider vectors, the same IEEE results.
// clang 14 refuses the two attributes together, so there (the fuzz build)
// it is built once, for any x86-64.
#if defined(__clang__)
#define ORRERY_BLOCK_KERNEL __attribute__((flatten))
#else
#define ORRERY_BLOCK_KERNEL __attribute__((target_clones("avx2", "default"), flatten))
#endif
ORRERY_BLOCK_KERNEL void execute(
    const Instruction& ins, double* a, double* b, double* dst, std::size_t n, bool values) {
    switch (ins.code) {
        case Code::Func: return function(ins.fn, a, dst, n);
        case Code::PosInf:
            return mapUnary(a, dst, n, [](double v) { return v > kUndefinedHigh ? 1.0 : 0.0; });
        default:
            if (!a) return binary(ins, Imm{ins.a.imm}, Row{b}, dst, n, values);
            if (!b) return binary(ins, Row{a}, Imm{ins.b.imm}, dst, n, values);
            return binary(ins, Row{a}, Row{b}, dst, n, values);
    }
}

}  // namespace

std::variant<CompiledExpression, UserMessage> CompiledExpression::compile(
    const ExpressionContext& context, const ParseItemList& items) {
    std::optional<ExpressionGraph> finite = buildExpressionGraph(items, true);
    std::optional<ExpressionGraph> general = buildExpressionGraph(items, false);
    if (!finite || !general) return syntaxError(context, "Mismatched brackets");
    CompiledExpression compiled;
    compiled.finite_ = compileProgram(*finite);
    compiled.general_ = compileProgram(*general);
    return compiled;
}

bool CompiledExpression::isConstant() const { return finite_.result.reg < 0; }

double CompiledExpression::evaluate(double x) const {
    double out = 0.0;
    evaluate(std::span<const double>(&x, 1), std::span<double>(&out, 1));
    return out;
}

void CompiledExpression::evaluate(std::span<const double> xs, std::span<double> out) const {
    const std::size_t n = std::min(xs.size(), out.size());
    for (std::size_t start = 0; start < n; start += kBlock) {
        const std::size_t count = std::min(kBlock, n - start);
        // x - x is 0 for every finite x and NaN otherwise; the sum vectorises.
        double nonFinite = 0.0;
        for (std::size_t i = start; i < start + count; ++i) nonFinite += xs[i] - xs[i];
        const bool allFinite = nonFinite == 0.0;
        run(allFinite ? finite_ : general_, xs.data() + start, out.data() + start, count,
            allFinite);
    }
}

void CompiledExpression::run(const Program& program, const double* xs, double* out,
                             std::size_t n, bool finiteX) const {
    if (program.result.reg < 0) {
        std::fill(out, out + n, program.result.imm);
        return;
    }
    if (program.result.reg == 0) {
        std::copy(xs, xs + n, out);
        return;
    }
    thread_local std::vector<double> scratch;
    thread_local std::vector<double> bounds;
    scratch.resize(static_cast<std::size_t>(program.registers) * kBlock);
    bounds.assign(static_cast<std::size_t>(program.registers) + 1, 0.0);
    double xBound = 0.0;
    for (std::size_t i = 0; i < n; ++i) xBound = std::max(xBound, std::fabs(xs[i]));
    bounds[0] = finiteX ? xBound : std::numeric_limits<double>::infinity();

    auto row = [&](std::int32_t reg) -> double* {
        return reg == 0 ? const_cast<double*>(xs)
                        : scratch.data() + static_cast<std::size_t>(reg - 1) * kBlock;
    };
    auto bound = [&](const Operand& o) {
        return o.reg < 0 ? std::fabs(o.imm) : bounds[static_cast<std::size_t>(o.reg)];
    };
    for (std::size_t k = 0; k < program.code.size(); ++k) {
        const Instruction& ins = program.code[k];
        // The last instruction makes the result: it writes straight into out.
        double* dst = k + 1 == program.code.size() ? out : row(ins.dst);
        const double a = bound(ins.a);
        const double b = ins.code == Code::Func || ins.code == Code::PosInf ? 0.0 : bound(ins.b);
        const bool values = a < kUndefinedHigh && b < kUndefinedHigh;
        execute(ins, ins.a.reg < 0 ? nullptr : row(ins.a.reg),
                ins.b.reg < 0 ? nullptr : row(ins.b.reg), dst, n, values);
        bounds[static_cast<std::size_t>(ins.dst)] = resultBound(ins, a, b);
    }
}

}  // namespace orrery
