#include "utilities/conversion_request.h"

#include <cmath>

#include "common/c_numeric.h"
#include "utilities/conversion.h"
#include "utilities/number_systems.h"
#include "utilities/unit_table.h"

namespace orrery {
namespace {

ConversionOutcome refused(std::string text) { return {UserMessage{"INPUT ERROR", std::move(text)}, {}}; }

}  // namespace

ConversionOutcome runConversion(const ConversionRequest& request) {
    const auto type = measurementTypeAt(request.type);
    if (!type) return refused("No such measurement type");
    const bool numberSystems = *type == MeasurementType::NumberSystems;

    double value = 0.0;
    if (numberSystems) {
        if (request.input.find('-') != std::string::npos)
            return refused(kNegativeNumberSystemInput);
    } else {
        // "inf" and "nan" read as numbers but are none the user could mean.
        const auto read = scanDouble(request.input);
        const bool mayBeNegative = *type == MeasurementType::Temperature;
        if (!read || !std::isfinite(*read) || (!mayBeNegative && *read <= 0))
            return refused("Please put in a single positive number in the left edit box..");
        value = *read;
    }

    if (!request.fromUnit) return refused("Please select a type of measurement units from which to convert.");
    if (!request.toUnit) return refused("Please select a type of measurement units to which to convert.");
    if (*request.fromUnit == *request.toUnit) return refused("Please select two different measurement units.");

    if (numberSystems) {
        NumberConversion converted = convertNumber(request.input, *request.fromUnit, *request.toUnit);
        if (!converted.ok()) return refused(converted.error);
        return {std::nullopt, converted.result};
    }
    const double result = convert(*type, value, *request.fromUnit, *request.toUnit);
    // Only a temperature can truly come out as 0: every other input is
    // positive and so is every factor, so 0 there means the result underflowed.
    if (result == 0.0 && *type != MeasurementType::Temperature) return {std::nullopt, kUnderflowResult};
    return {std::nullopt, formatResult(result)};
}

}  // namespace orrery
