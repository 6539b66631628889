#include "linear_algebra/sheet_picture.h"

namespace orrery {
namespace {

PictureItem word(std::string text) { return PictureItem{std::move(text), std::nullopt, {}}; }

PictureItem grid(const std::optional<PrintGrid>& g, std::string superscript = {}) {
    return PictureItem{{}, g, std::move(superscript)};
}

// Appends the item only when its grid exists (an operand whose size was never chosen).
void addGrid(std::vector<PictureItem>& items, const std::optional<PrintGrid>& g, std::string superscript = {}) {
    if (g) items.push_back(grid(g, std::move(superscript)));
}

// The operands side by side with nothing marked, and the result plainly.
SheetPicture plain(const std::optional<PrintGrid>& a, const std::optional<PrintGrid>& b,
                   const std::optional<PrintGrid>& result) {
    SheetPicture picture;
    addGrid(picture.operands, a);
    addGrid(picture.operands, b);
    addGrid(picture.result, result);
    return picture;
}

SheetPicture unknown(const std::optional<PrintGrid>& a, const std::optional<PrintGrid>& b) {
    SheetPicture picture = plain(a, b, std::nullopt);
    picture.result.push_back(word("UNDEFINED OPERATION"));
    picture.problem = UserMessage{"PROG ERROR", "UNDEFINED OPERATION"};
    return picture;
}

// "=" and the result after the marked operands.
SheetPicture withResult(std::vector<PictureItem> operands, const std::optional<PrintGrid>& result) {
    SheetPicture picture;
    picture.operands = std::move(operands);
    if (result) {
        picture.result.push_back(word("="));
        picture.result.push_back(grid(result));
    }
    return picture;
}

// One operand marked, the other beside it as it is.
std::vector<PictureItem> markOne(const std::optional<PrintGrid>& a, const std::optional<PrintGrid>& b, bool onA,
                                 std::string before, std::string superscript, std::string after = {}) {
    std::vector<PictureItem> items;
    const auto marked = [&](const std::optional<PrintGrid>& g) {
        if (!before.empty()) items.push_back(word(before));
        addGrid(items, g, superscript);
        if (!after.empty()) items.push_back(word(after));
    };
    if (onA) {
        marked(a);
        addGrid(items, b);
    } else {
        addGrid(items, a);
        marked(b);
    }
    return items;
}

std::vector<PictureItem> between(const std::optional<PrintGrid>& a, const std::optional<PrintGrid>& b,
                                 std::string sign) {
    std::vector<PictureItem> items;
    addGrid(items, a);
    items.push_back(word(std::move(sign)));
    addGrid(items, b);
    return items;
}

// "Proj" or "Perp" of one vector onto or against the other.
std::vector<PictureItem> relative(std::string name, const std::optional<PrintGrid>& of, std::string link,
                                  const std::optional<PrintGrid>& onto) {
    std::vector<PictureItem> items{word(std::move(name))};
    addGrid(items, of);
    items.push_back(word(std::move(link)));
    addGrid(items, onto);
    return items;
}

std::string angleWords(const VectorSheet& sheet) {
    std::string text = "by ";
    for (std::size_t i = 0; i < sheet.angles.size(); ++i) text += (i ? ", " : "") + sheet.angles[i];
    return text + (sheet.radians ? " (rad)" : " (deg)");
}

}  // namespace

SheetPicture matrixPicture(const MatrixSheet& s) {
    const int code = s.operation;
    if (code == 0) return plain(s.a, s.b, s.result);
    if (code < 1 || code > 13) return unknown(s.a, s.b);
    if (code >= 6 && code <= 8) return withResult(between(s.a, s.b, code == 7 ? "+" : code == 8 ? "-" : "*"), s.result);

    const bool onA = code <= 5;
    switch (onA ? code : code - 8) {
    case 1: return withResult(markOne(s.a, s.b, onA, "det", {}), s.result);
    case 2: return withResult(markOne(s.a, s.b, onA, {}, "-1"), s.result);
    case 3: return withResult(markOne(s.a, s.b, onA, {}, "T"), s.result);
    case 4: return withResult(markOne(s.a, s.b, onA, s.factor, {}), s.result);
    default: return withResult(markOne(s.a, s.b, onA, {}, {}), s.result);  // the echelon form
    }
}

SheetPicture vectorPicture(const VectorSheet& s) {
    if (s.operation == 0) return plain(s.a, s.b, s.result);
    if (s.operation < 1 || s.operation > vectorOperationCode(VectorOperation::PerpendicularAToB))
        return unknown(s.a, s.b);

    const auto op = static_cast<VectorOperation>(s.operation - 1);
    const bool onA = op <= VectorOperation::ScaleA;
    switch (op) {
    case VectorOperation::NormA:
    case VectorOperation::NormB: return withResult(markOne(s.a, s.b, onA, "Norm", {}), s.result);
    case VectorOperation::NormalizeA:
    case VectorOperation::NormalizeB: return withResult(markOne(s.a, s.b, onA, "Normalize", {}), s.result);
    case VectorOperation::RotateA:
    case VectorOperation::RotateB: return withResult(markOne(s.a, s.b, onA, "Rotate", {}, angleWords(s)), s.result);
    case VectorOperation::ScaleA:
    case VectorOperation::ScaleB: return withResult(markOne(s.a, s.b, onA, s.factor, {}), s.result);
    case VectorOperation::Dot: return withResult(between(s.a, s.b, "."), s.result);
    case VectorOperation::Cross: return withResult(between(s.a, s.b, "x"), s.result);
    case VectorOperation::Sum: return withResult(between(s.a, s.b, "+"), s.result);
    case VectorOperation::Difference: return withResult(between(s.a, s.b, "-"), s.result);
    case VectorOperation::ProjectBOnA: return withResult(relative("Proj", s.b, "onto", s.a), s.result);
    case VectorOperation::ProjectAOnB: return withResult(relative("Proj", s.a, "onto", s.b), s.result);
    case VectorOperation::PerpendicularBToA: return withResult(relative("Perp", s.b, "to", s.a), s.result);
    case VectorOperation::PerpendicularAToB: return withResult(relative("Perp", s.a, "to", s.b), s.result);
    }
    return unknown(s.a, s.b);
}

bool matrixOperationReads(int operation, Operand operand) {
    const bool onA = operation >= 1 && operation <= 5;
    const bool onB = operation >= 9 && operation <= 13;
    const bool both = operation >= 6 && operation <= 8;
    return both || (operand == Operand::Left ? onA : operand == Operand::Right && onB);
}

bool vectorOperationReads(int operation, Operand operand) {
    if (operation < 1 || operation > vectorOperationCode(VectorOperation::PerpendicularAToB)) return false;
    const auto op = static_cast<VectorOperation>(operation - 1);
    if (op <= VectorOperation::ScaleA) return operand == Operand::Left;
    if (op <= VectorOperation::ScaleB) return operand == Operand::Right;
    return operand != Operand::Result;
}

int matrixOperationAfterTransfer(int operation) { return operation <= 8 ? 0 : operation; }

}  // namespace orrery
