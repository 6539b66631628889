#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orrery {

// The measurement types of the Conversions dialog, in its list order.
enum class MeasurementType {
    Angle, Area, Distance, Energy, Force, Mass, NumberSystems, Pressure, Speed, Temperature, Time, Volume,
};
constexpr int kMeasurementTypeCount = 12;

const std::vector<std::string>& measurementTypeNames();
std::optional<MeasurementType> measurementTypeAt(int index);

// The unit names of a type, sorted without regard to case as the dialog's
// lists show them; a unit's index is its place in this list.
const std::vector<std::string>& unitNames(MeasurementType type);

// The value of one unit in the type's base unit; 1 for an index outside the
// type's table (and for the temperature scales and number systems, which
// have no factors).
double unitFactor(MeasurementType type, int index);

}  // namespace orrery
