#pragma once

#include <string>

#include "utilities/unit_table.h"

namespace orrery {

// Temperature scales by their index in the dialog's sorted list.
enum class TemperatureScale { Celsius = 0, Fahrenheit = 1, Kelvin = 2 };

// `value` in unit `fromUnit` expressed in unit `toUnit` of the same type (units
// by their sorted index). Temperatures go through their formulas, every other
// type through the units' factors.
double convert(MeasurementType type, double value, int fromUnit, int toUnit);

// A conversion result for the dialog: plain decimals (14 of them, or a whole
// number) from 1e-14 to 1e14, otherwise a mantissa with 10 decimals and "e+"
// or "e-" and the exponent.
std::string formatResult(double value);

// What the dialog shows for a result too small for a double.
inline constexpr const char* kUnderflowResult = "(Zero) i.e. Result < 10 ^-306";

}  // namespace orrery
