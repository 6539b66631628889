#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_message.h"
#include "linear_algebra/entry_reading.h"
#include "linear_algebra/vector.h"

namespace orrery {

// What the Vectors window hands over for one vector: its chosen number of
// components (0 while not chosen), its cell texts and its own boxes.
struct VectorOperand {
    std::size_t size = 0;
    std::vector<std::string> cells;
    std::vector<std::string> angles;  // one box for 2 components, three for 3
    bool radians = true;
    std::string factor;  // the box under "Multiply"
};

enum class VectorOperation {
    NormA, NormalizeA, RotateA, ScaleA,
    NormB, NormalizeB, RotateB, ScaleB,
    Dot, Cross, Sum, Difference,
    ProjectBOnA, ProjectAOnB,
    PerpendicularBToA,  // B less its projection on A
    PerpendicularAToB,  // A less its projection on B
};

struct VectorOutcome {
    std::optional<UserMessage> problem;  // when set, nothing else is meaningful
    std::optional<CellFocus> focus;
    Vector result;  // one component for a norm or a dot product
    std::vector<std::string> texts;
};

VectorOutcome performVectorOperation(VectorOperation operation, const VectorOperand& a, const VectorOperand& b);

// "Fill" of vector A (`onA`) or B: the text for every cell, or the problem.
FillOutcome fillVector(bool onA, std::size_t size, std::string_view boxText);
std::optional<UserMessage> checkClearVector(bool onA, std::size_t size);
std::optional<UserMessage> checkVectorTransfer(bool haveResult);
std::optional<UserMessage> checkVectorPrint(bool haveOperands);

}  // namespace orrery
