#include "linear_algebra/vector_workbench.h"

#include <algorithm>

#include "linear_algebra/result_format.h"

namespace orrery {
namespace {

VectorOutcome refused(std::string caption, std::string text, std::optional<CellFocus> focus = {}) {
    VectorOutcome outcome;
    outcome.problem = UserMessage{std::move(caption), std::move(text)};
    outcome.focus = focus;
    return outcome;
}

VectorOutcome finished(Vector result, ResultArithmetic arithmetic, const DigitCounts& counts) {
    VectorOutcome outcome;
    std::vector<double> values;
    for (std::size_t i = 0; i < result.size(); ++i) values.push_back(result[i]);
    outcome.texts = formatResultEntries(values, resultDecimals(arithmetic, counts));
    outcome.result = std::move(result);
    return outcome;
}

Vector toVector(const CellReading& reading) {
    Vector v(reading.values.size());
    for (std::size_t i = 0; i < reading.values.size(); ++i) v.setComponent(i, reading.values[i]);
    return v;
}

std::string selectComponents(bool onA) {
    return onA ? "Please select the number of components of vector A.\n"
               : "Please select the number of components of vector B.\n";
}

enum class OneVectorOperation { Norm, Normalize, Rotate, Scale };

VectorOutcome performOnOne(OneVectorOperation op, const VectorOperand& v, bool onA) {
    const Operand which = onA ? Operand::Left : Operand::Right;
    if (v.size == 0) return refused("SELECT COMPONENTS", selectComponents(onA));
    if (op == OneVectorOperation::Rotate && v.size != 2 && v.size != 3)
        return refused("UNDEFINED OPERATION", "Rotations are only defined for vectors with 2 or 3 components");

    CellReading cells = readVectorCells(v.cells, v.size, which);
    std::vector<double> angles;
    if (op == OneVectorOperation::Rotate) {
        const CellReading read = readRotationAngles(v.angles, v.size == 2 ? 1 : 3, which);
        cells.problems += read.problems;
        angles = read.values;
    }
    double factor = 0.0;
    if (op == OneVectorOperation::Scale) {
        if (const auto value = readEntry(v.factor, cells.counts))
            factor = *value;
        else
            cells.problems += onA ? "Please enter a single number as the factor for vector A."
                                  : "Please enter a single number as the factor for vector B.";
    }
    if (!cells.ok()) return refused("INPUT ERROR", cells.problems, cells.focus(which));

    const Vector x = toVector(cells);
    switch (op) {
    case OneVectorOperation::Norm: {
        DigitCounts counts = cells.counts;
        counts.decimals = std::max(counts.decimals, 4);  // a norm is rarely a whole number
        return finished(Vector{x.norm()}, ResultArithmetic::Plain, counts);
    }
    case OneVectorOperation::Normalize: {
        Vector unit;
        UserMessage problem;
        if (!x.normalized(unit, &problem)) return refused(problem.caption, problem.text);
        return finished(unit, ResultArithmetic::Dividing, cells.counts);
    }
    case OneVectorOperation::Rotate:
        return finished(x.rotated(v.size, angles, v.radians), ResultArithmetic::Plain, cells.counts);
    case OneVectorOperation::Scale: return finished(x.scaled(factor), ResultArithmetic::Plain, cells.counts);
    }
    return refused("PROG ERROR", "UNDEFINED OPERATION");
}

struct TwoVectorRules {
    const char* missingCaption;
    const char* mismatch;
    const char* entriesCaption;
};

TwoVectorRules rulesFor(VectorOperation op) {
    switch (op) {
    case VectorOperation::Dot:
        return {"Missing Components: Dot Product Undefined",
                "The dot product is only defined between vectors with the same number of components.\n",
                "Missing Entries: Cannot multiply"};
    case VectorOperation::Cross:
        return {"Missing Components: Cross Product Undefined",
                "The cross product is only defined for 3-component vectors.\n", "Missing Entries: Cannot multiply"};
    case VectorOperation::Sum:
    case VectorOperation::Difference:
        return {"Missing Components: Cannot Subtract",
                "The number of components of the two vectors must be the same for addition/subtraction to be "
                "defined.\n",
                "Missing Entries: Cannot Subtract"};
    default:
        return {"Missing Components: Cannot Perform Projection",
                "The number of components of the two vectors must be the same for a projection to be defined.\n",
                "INPUT ERROR"};
    }
}

VectorOutcome performOnTwo(VectorOperation op, const VectorOperand& a, const VectorOperand& b) {
    const TwoVectorRules rules = rulesFor(op);
    std::string missing;
    if (a.size == 0) missing += selectComponents(true);
    if (b.size == 0) missing += selectComponents(false);
    if (!missing.empty()) return refused(rules.missingCaption, missing);
    const bool conforming = op == VectorOperation::Cross ? a.size == 3 && b.size == 3 : a.size == b.size;
    if (!conforming) return refused("Undefined Operation", rules.mismatch);

    CellReading left = readVectorCells(a.cells, a.size, Operand::Left);
    const CellReading right = readVectorCells(b.cells, b.size, Operand::Right);
    if (!left.ok() || !right.ok()) {
        std::optional<CellFocus> focus = left.focus(Operand::Left);
        if (!focus) focus = right.focus(Operand::Right);
        return refused(rules.entriesCaption, left.problems + right.problems, focus);
    }
    left.counts.merge(right.counts);
    const Vector x = toVector(left);
    const Vector y = toVector(right);
    const std::size_t n = a.size;

    // Projecting onto a zero vector divides by zero; say so instead of showing "nan".
    const bool ontoA = op == VectorOperation::ProjectBOnA || op == VectorOperation::PerpendicularBToA;
    const bool ontoB = op == VectorOperation::ProjectAOnB || op == VectorOperation::PerpendicularAToB;
    if ((ontoA && x.normSquared() == 0.0) || (ontoB && y.normSquared() == 0.0))
        return refused("Undefined Operation", "A projection onto a zero vector is not defined.\n");

    switch (op) {
    case VectorOperation::Dot: return finished(Vector{x.dot(y)}, ResultArithmetic::Plain, left.counts);
    case VectorOperation::Cross: return finished(x.cross(y), ResultArithmetic::Plain, left.counts);
    case VectorOperation::Sum: return finished(x.add(y), ResultArithmetic::Plain, left.counts);
    case VectorOperation::Difference: return finished(x.subtract(y), ResultArithmetic::Plain, left.counts);
    case VectorOperation::ProjectBOnA: return finished(projection(x, y, n), ResultArithmetic::Projection, left.counts);
    case VectorOperation::ProjectAOnB: return finished(projection(y, x, n), ResultArithmetic::Projection, left.counts);
    case VectorOperation::PerpendicularBToA:
        return finished(perpendicular(x, y, n), ResultArithmetic::Projection, left.counts);
    default: return finished(perpendicular(y, x, n), ResultArithmetic::Projection, left.counts);
    }
}

}  // namespace

VectorOutcome performVectorOperation(VectorOperation operation, const VectorOperand& a, const VectorOperand& b) {
    switch (operation) {
    case VectorOperation::NormA: return performOnOne(OneVectorOperation::Norm, a, true);
    case VectorOperation::NormalizeA: return performOnOne(OneVectorOperation::Normalize, a, true);
    case VectorOperation::RotateA: return performOnOne(OneVectorOperation::Rotate, a, true);
    case VectorOperation::ScaleA: return performOnOne(OneVectorOperation::Scale, a, true);
    case VectorOperation::NormB: return performOnOne(OneVectorOperation::Norm, b, false);
    case VectorOperation::NormalizeB: return performOnOne(OneVectorOperation::Normalize, b, false);
    case VectorOperation::RotateB: return performOnOne(OneVectorOperation::Rotate, b, false);
    case VectorOperation::ScaleB: return performOnOne(OneVectorOperation::Scale, b, false);
    default: return performOnTwo(operation, a, b);
    }
}

FillOutcome fillVector(bool onA, std::size_t size, std::string_view boxText) {
    std::string problems;
    if (size == 0)
        problems += onA ? "Nothing to fill! Please select the number of components of vector A.\n"
                        : "Nothing to fill! Please select the number of components of vector B.\n";
    return fillFromBox(std::move(problems), boxText);
}

std::optional<UserMessage> checkClearVector(bool onA, std::size_t size) {
    if (size != 0) return std::nullopt;
    return UserMessage{"INPUT ERROR", onA ? "Nothing to clear! Please select the number of components of vector A.\n"
                                          : "Nothing to clear! Please select the number of components of vector B.\n"};
}

std::optional<UserMessage> checkVectorTransfer(bool haveResult) {
    if (haveResult) return std::nullopt;
    return UserMessage{"Result Vector Undefined: Nothing to transfer",
                       "Please perform an operation to create a result vector.\n"};
}

std::optional<UserMessage> checkVectorPrint(bool haveOperands) {
    if (haveOperands) return std::nullopt;
    return UserMessage{"NO VECTORS", "Please enter a vector before attempting to print or preview printing ."};
}

}  // namespace orrery
