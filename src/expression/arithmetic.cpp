#include "expression/arithmetic.h"

#include <array>
#include <utility>

namespace orrery {

std::optional<Operation> operationForLabel(std::string_view label) {
    static constexpr std::array<std::pair<std::string_view, Operation>, 8> kOperations{{
        {"+", Operation::Add}, {"-", Operation::Subtract},
        {"multiplication", Operation::Multiply}, {"division", Operation::Divide},
        {"y^x", Operation::Power}, {"x_root_y", Operation::Root},
        {"square", Operation::Square}, {"cube", Operation::Cube},
    }};
    for (const auto& [name, op] : kOperations)
        if (name == label) return op;
    return std::nullopt;
}

std::optional<FunctionKind> functionForLabel(std::string_view label) {
    static constexpr std::array<std::pair<std::string_view, FunctionKind>, 16> kFunctions{{
        {"log", FunctionKind::Log}, {"ln", FunctionKind::Ln}, {"sqrt", FunctionKind::Sqrt},
        {"croot", FunctionKind::Croot}, {"sin", FunctionKind::Sin}, {"cos", FunctionKind::Cos},
        {"tan", FunctionKind::Tan}, {"arcsin", FunctionKind::Arcsin},
        {"arccos", FunctionKind::Arccos}, {"arctan", FunctionKind::Arctan},
        {"10^x", FunctionKind::TenPower}, {"e^x", FunctionKind::ExpPower},
        {"1/x", FunctionKind::Reciprocal}, {"sinh", FunctionKind::Sinh},
        {"cosh", FunctionKind::Cosh}, {"x", FunctionKind::Identity},
    }};
    for (const auto& [name, f] : kFunctions)
        if (name == label) return f;
    return std::nullopt;
}

}  // namespace orrery
