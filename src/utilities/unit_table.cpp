#include "utilities/unit_table.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace orrery {
namespace {

struct Unit {
    std::string name;
    double factor;
};

using UnitList = std::vector<Unit>;

constexpr double kPi = 3.141592653589793;
// Volumes are given in imperial and U.S. gallons.
constexpr double kImperialGallon = 4.54609;
constexpr double kUsGallon = 3.785411784;
constexpr double kFeetPerHour = 0.0003047999902464003;
constexpr double kFeetPerMinute = 0.01828799941478402;
constexpr double kFeetPerSecond = 1.097279964887041;
constexpr double kMetersPerSecond = 3.6;

UnitList unitsOf(MeasurementType type) {
    switch (type) {
    case MeasurementType::Angle:  // radian
        return {{"Degree", kPi * 0.005555555555555556}, {"Mil-Radian", 0.001},
                {"Minute", kPi * 9.259259259259259e-5}, {"Radian", 1},
                {"Revolution", 2 * kPi}, {"Second", kPi * 1.5432098765432098e-6}};
    case MeasurementType::Area:  // square meter
        return {{"Acre", 4046.8564224}, {"Hectare", 10000}, {"Square centimeter", 0.0001},
                {"Square foot", 0.09290304}, {"Square inch", 0.00064516}, {"Square meter", 1},
                {"Square mile", 2589988.110336}, {"Square millimeter", 1e-6}, {"Square yard", 0.83612736}};
    case MeasurementType::Distance:  // meter
        return {{"Angstrom", 1e-10}, {"Astronomical Unit", 1.4959787e11}, {"Centimeter", 0.01},
                {"Foot", 0.3048}, {"Furlong", 201.168}, {"Hand", 0.1016}, {"Inch", 0.0254},
                {"Kilometer", 1000}, {"League", 4828.032}, {"Light-year", 9.46073048e15}, {"Meter", 1},
                {"Micron", 1e-6}, {"Mile", 1609.344}, {"Millimeter", 0.001}, {"Nano-meter", 1e-9},
                {"Nautical mile", 1852}, {"Parsec", 3.0856776e16}, {"Yard", 0.9144}};
    case MeasurementType::Energy:  // joule
        return {{"BTU", 1055.05589287306}, {"Calorie", 4.1868}, {"Electron Volt", 1.6021765314e-19},
                {"Erg", 1e-7}, {"Foot Pound", 1.355818}, {"Joule", 1}, {"Kilo-calorie", 4186.8},
                {"Kilo-joule", 1000}, {"Kilowatt-hour", 3.6e6}};
    case MeasurementType::Force:  // newton
        return {{"Dyne", 1e-5}, {"Newton", 1}, {"Pound Force (lbf)", 4.4482217}, {"Tondal", 309.691088}};
    case MeasurementType::Mass:  // kilogram
        return {{"Carat", 0.0002}, {"Gram", 0.001}, {"Kilogram", 1}, {"Milligram", 1e-6},
                {"Ounce", 0.028349523125}, {"Ounce (Troy)", 0.0311034768}, {"Pound", 0.45359237},
                {"Stone U.K.", 6.35029318}, {"Ton (Long)", 1016.0469088}, {"Ton (Metric)", 1000},
                {"Ton (Short)", 907.18474}};
    case MeasurementType::NumberSystems:
        return {{"Base 10", 1}, {"Binary", 1}, {"Hexadecimal", 1}, {"Octal", 1}};
    case MeasurementType::Pressure:  // pascal
        return {{"Atmosphere", 101325}, {"Bar", 100000}, {"Dyne/sq.cm.", 0.1}, {"Dyne/sq.mm.", 10},
                {"Gram/sq.cm.", 98.0665}, {"Gram/sq.m.", 0.00980665}, {"Gram/sq.mm.", 9806.65},
                {"Kilogram/sq.cm.", 98066.5}, {"Kilogram/sq.m.", 9.80665}, {"Kilogram/sq.mm.", 9806650},
                {"KiloPascal", 1000}, {"Millibar/sq.mm.", 100}, {"Ounce/sq.in.", 430.922330001},
                {"Pascal", 1}, {"Pound/sq.ft.", 47.880258889}, {"Pound/sq.in.", 6894.757280016},
                {"Ton(long)/sq.ft.", 107251.77991135999}, {"Ton(long)/sq.in.", 15444256.307235839},
                {"Ton(metric)/sq.cm.", 9.80665e7}, {"Ton(metric)/sq.m.", 9806.65},
                {"Ton(short)/sq.ft.", 95760.517778}, {"Ton(short)/sq.in.", 13789514.560031999}};
    case MeasurementType::Speed:  // km/hr
        return {{"Feet/hr", kFeetPerHour}, {"Feet/min", kFeetPerMinute}, {"Feet/sec", kFeetPerSecond},
                {"Km/hr", 1}, {"Km/min", 60}, {"Km/sec", 3600}, {"Knot (Int)", 1.852},
                {"Knot (U.K.)", 1.853184}, {"Mach 15C, sea level", 340.3 * kMetersPerSecond},
                {"Meters/hr", 0.001}, {"Meters/min", 0.06}, {"Meters/sec", kMetersPerSecond},
                {"Miles/hr", 5280 * kFeetPerHour}, {"Miles/min", 5280 * kFeetPerMinute},
                {"Miles/sec", 5280 * kFeetPerSecond}};
    case MeasurementType::Temperature:
        return {{"Celius", 1}, {"Fahrenheit", 1}, {"Kelvin", 1}};
    case MeasurementType::Time:  // hour
        return {{"Century", 876581.258333333}, {"Day", 24}, {"Hour", 1}, {"Millennium", 8765812.58333333},
                {"Minutes", 0.016666666666666666}, {"Month (30 days)", 720}, {"Second", 0.0002777777777777778},
                {"Week", 168}, {"Year (Calendar: 365 days)", 8760}, {"Year (Leap)", 8784}};
    case MeasurementType::Volume:  // litre
        return {{"Barrel (Oil)", 158.987294928}, {"Cubic centimeter", 0.001}, {"Cubic foot", 28.316846592},
                {"Cubic inch", 0.016387064}, {"Cubic metre", 1000}, {"Cubic yard", 764.554857984},
                {"Cup Imperial", kImperialGallon * 0.0625}, {"Cup U.S.", kUsGallon * 0.0625},
                {"Gallon (Imperial)", kImperialGallon}, {"Gallon (U.S.)", kUsGallon},
                {"Jigger", kUsGallon * 0.01171875}, {"Litre", 1}, {"Magnum ", 1.5}, {"Millilitre", 0.001},
                {"Ounce (fluid) (Imperial)", kImperialGallon * 0.00625},
                {"Ounce (fluid) (U.S.) ", kUsGallon * 0.0078125},
                {"Pint (fluid, dry) (Imperial)", kImperialGallon * 0.125},
                {"Pint (fluid, dry) (U.S.) ", kUsGallon * 0.125},
                {"Quart (fluid) (Imperial)", kImperialGallon * 0.25}, {"Quart (fluid) (U.S.)", kUsGallon * 0.25},
                {"Tablespoon (Imperial)", kImperialGallon * 0.00390625},
                {"Tablespoon (U.S.)", kUsGallon * 0.00390625},
                {"Teapoon (Imperial)", kImperialGallon * 0.0013020833333333333},
                {"Teaspoon (U.S.)", kUsGallon * 0.0013020833333333333}};
    }
    return {};
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

struct SortedUnits {
    std::vector<std::string> names;
    std::vector<double> factors;
};

const SortedUnits& sortedUnits(MeasurementType type) {
    static const std::array<SortedUnits, kMeasurementTypeCount> tables = [] {
        std::array<SortedUnits, kMeasurementTypeCount> all;
        for (int t = 0; t < kMeasurementTypeCount; ++t) {
            UnitList units = unitsOf(static_cast<MeasurementType>(t));
            std::stable_sort(units.begin(), units.end(),
                             [](const Unit& a, const Unit& b) { return lessIgnoringCase(a.name, b.name); });
            for (const Unit& u : units) {
                all[t].names.push_back(u.name);
                all[t].factors.push_back(u.factor);
            }
        }
        return all;
    }();
    return tables[static_cast<int>(type)];
}

}  // namespace

const std::vector<std::string>& measurementTypeNames() {
    static const std::vector<std::string> names{"Angle",  "Area",     "Distance", "Energy",
                                                "Force",  "Mass",     "Number Systems", "Pressure",
                                                "Speed",  "Temperature", "Time",   "Volume"};
    return names;
}

std::optional<MeasurementType> measurementTypeAt(int index) {
    if (index < 0 || index >= kMeasurementTypeCount) return std::nullopt;
    return static_cast<MeasurementType>(index);
}

const std::vector<std::string>& unitNames(MeasurementType type) { return sortedUnits(type).names; }

double unitFactor(MeasurementType type, int index) {
    const std::vector<double>& factors = sortedUnits(type).factors;
    if (index < 0 || static_cast<std::size_t>(index) >= factors.size()) return 1.0;
    return factors[static_cast<std::size_t>(index)];
}

}  // namespace orrery
