#include "expression/input_reading.h"

#include <charconv>

#include "expression/curve_evaluation.h"
#include "expression/expression_graph.h"

namespace orrery {
namespace {

using Kind = ExprNode::Kind;

// How a printed piece binds, from the loosest: what it needs brackets for.
enum class Form { Sum, Signed, Product, Power, Postfix, Call, Atom };

struct Piece {
    std::string text;
    Form form;
};

std::string bracketed(const Piece& piece, bool needed) {
    return needed ? "(" + piece.text + ")" : piece.text;
}

std::string numberText(double value) {
    if (value == 3.141592653589793) return "π";
    if (value == 2.718281828459045) return "e";
    char buffer[400];
    // Fixed notation: an exponent would read as the constant e.
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return "?";
    return std::string(buffer, result.ptr);
}

class Printer {
  public:
    explicit Printer(const ExpressionGraph& graph) : graph_(graph) {}

    Piece print(int index) const {
        const ExprNode& node = graph_.nodes[static_cast<std::size_t>(index)];
        switch (node.kind) {
            case Kind::Const:
                return Piece{numberText(node.value), Form::Atom};
            case Kind::X:
                return Piece{"x", Form::Atom};
            case Kind::Func:
                return function(node.fn, print(node.a));
            case Kind::Op:
                return operation(node);
            case Kind::HighIf:
                return print(node.b);  // a guard against +infinity, not a step
            case Kind::PosInf:
            case Kind::AnyOf:
                break;
        }
        return Piece{"", Form::Atom};
    }

  private:
    static Piece call(const char* name, const Piece& argument) {
        return Piece{std::string(name) + "(" + argument.text + ")", Form::Call};
    }

    static Piece function(FunctionKind fn, const Piece& argument) {
        switch (fn) {
            case FunctionKind::Log:
                return call("log", argument);
            case FunctionKind::Ln:
                return call("ln", argument);
            case FunctionKind::Sqrt:
                return call("√", argument);
            case FunctionKind::Croot:
                return call("∛", argument);
            case FunctionKind::Sin:
                return call("sin", argument);
            case FunctionKind::Cos:
                return call("cos", argument);
            case FunctionKind::Tan:
                return call("tan", argument);
            case FunctionKind::Arcsin:
                return call("arcsin", argument);
            case FunctionKind::Arccos:
                return call("arccos", argument);
            case FunctionKind::Arctan:
                return call("arctan", argument);
            case FunctionKind::Sinh:
                return call("sinh", argument);
            case FunctionKind::Cosh:
                return call("cosh", argument);
            case FunctionKind::ExpPower:
                return call("exp", argument);
            case FunctionKind::TenPower:
                return Piece{"10^(" + argument.text + ")", Form::Power};
            case FunctionKind::Reciprocal:
                return Piece{"1/(" + argument.text + ")", Form::Product};
            case FunctionKind::Identity:
                return argument;
        }
        return argument;
    }

    Piece operation(const ExprNode& node) const {
        const ExprNode& leftNode = graph_.nodes[static_cast<std::size_t>(node.a)];
        const Piece right =
            node.op == Operation::Square || node.op == Operation::Cube ? Piece{} : print(node.b);
        const bool sign = node.op == Operation::Add || node.op == Operation::Subtract;
        const char* signText = node.op == Operation::Add ? "+" : "−";
        if (sign && leftNode.implied) {
            // A leading sign: −x, −(x·2), −sin(x), −x².
            const bool wrap = right.form <= Form::Power;
            return Piece{signText + bracketed(right, wrap), Form::Signed};
        }
        const Piece left = print(node.a);
        switch (node.op) {
            case Operation::Add:
            case Operation::Subtract:
                return Piece{
                    left.text + " " + signText + " " + bracketed(right, right.form <= Form::Signed),
                    Form::Sum};
            case Operation::Multiply:
            case Operation::Divide:
                // x²·3 would not type back: the keys take no product after a
                // square, nor after a product that ends in one.
                return Piece{
                    bracketed(left, left.form <= Form::Signed || left.form == Form::Postfix) +
                        (node.op == Operation::Multiply ? "·" : "÷") +
                        bracketed(right,
                                  right.form <= Form::Product || right.form == Form::Postfix),
                    Form::Product};
            case Operation::Power:
                return Piece{bracketed(left, left.form <= Form::Postfix) + "^" +
                                 bracketed(right, right.form <= Form::Postfix),
                             Form::Power};
            case Operation::Root:
                // The index reads as a raised prefix, so it is bracketed unless it is one item.
                return Piece{bracketed(left, left.form != Form::Atom) + "√" +
                                 bracketed(right, right.form <= Form::Postfix),
                             Form::Power};
            case Operation::Square:
            case Operation::Cube:
                // A call is bracketed too: typed back, sin(x)² would square the argument.
                return Piece{bracketed(left, left.form != Form::Atom) +
                                 (node.op == Operation::Square ? "²" : "³"),
                             Form::Postfix};
        }
        return left;
    }

    const ExpressionGraph& graph_;
};

}  // namespace

std::optional<std::string> readingOf(const ParseItemList& normalisedItems) {
    if (normalisedItems.empty()) return std::string();
    std::optional<ExpressionGraph> graph = buildExpressionGraph(normalisedItems, true, false);
    if (!graph) return std::nullopt;
    return Printer(*graph).print(graph->root).text;
}

InputReading readInput(const std::vector<ExpressionToken>& tokens,
                       const ExpressionContext& context) {
    ParseItemList items;
    if (std::optional<UserMessage> error = normalisedItems(tokens, context, items))
        return InputReading{{}, error};
    std::optional<std::string> text = readingOf(items);
    if (!text) return InputReading{{}, syntaxError(context, "Mismatched brackets")};
    return InputReading{*text, std::nullopt};
}

}  // namespace orrery
