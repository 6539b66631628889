#include "fitting/cell_dates.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "common/c_numeric.h"

namespace orrery {
namespace {

// A run of digits at `pos`, moved past; nothing when there is none or it
// is absurdly long.
std::optional<long> digits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    long value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) &&
           pos - start < 9)
        value = value * 10 + (text[pos++] - '0');
    if (pos == start || (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))))
        return std::nullopt;
    return value;
}

// A number with an optional fraction ("00.5") at `pos`, moved past.
std::optional<double> decimal(std::string_view text, std::size_t& pos) {
    std::size_t used = 0;
    const std::string rest(text.substr(pos));
    if (rest.empty() || !std::isdigit(static_cast<unsigned char>(rest[0]))) return std::nullopt;
    const double value = parseDoubleC(rest, &used);
    if (used == 0 || !std::isfinite(value)) return std::nullopt;
    // Stop before an exponent or sign strtod may have taken.
    std::size_t plain = 0;
    while (plain < used &&
           (std::isdigit(static_cast<unsigned char>(rest[plain])) || rest[plain] == '.'))
        ++plain;
    if (plain != used) return std::nullopt;
    pos += used;
    return value;
}

bool take(std::string_view text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

}  // namespace

long daysFromCivil(long year, int month, int day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::optional<double> serialFromIsoDateTime(std::string_view text, long nullDay) {
    std::size_t pos = 0;
    const bool negativeYear = take(text, pos, '-');
    const auto year = digits(text, pos);
    if (!year || !take(text, pos, '-')) return std::nullopt;
    const auto month = digits(text, pos);
    if (!month || *month < 1 || *month > 12 || !take(text, pos, '-')) return std::nullopt;
    const auto day = digits(text, pos);
    if (!day || *day < 1 || *day > 31) return std::nullopt;
    double seconds = 0.0;
    if (take(text, pos, 'T')) {
        const auto hour = digits(text, pos);
        if (!hour || !take(text, pos, ':')) return std::nullopt;
        const auto minute = digits(text, pos);
        if (!minute || !take(text, pos, ':')) return std::nullopt;
        const auto second = decimal(text, pos);
        if (!second) return std::nullopt;
        seconds =
            static_cast<double>(*hour) * 3600.0 + static_cast<double>(*minute) * 60.0 + *second;
    }
    // What may follow is a time zone, which a spreadsheet's day numbers ignore.
    if (pos < text.size() && text[pos] != 'Z' && text[pos] != '+' && text[pos] != '-')
        return std::nullopt;
    const long days = daysFromCivil(negativeYear ? -*year : *year, static_cast<int>(*month),
                                    static_cast<int>(*day));
    return static_cast<double>(days - nullDay) + seconds / 86400.0;
}

std::optional<double> daysFromIsoDuration(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = take(text, pos, '-');
    if (!take(text, pos, 'P')) return std::nullopt;
    double days = 0.0;
    bool inTime = false, any = false;
    while (pos < text.size()) {
        if (!inTime && take(text, pos, 'T')) {
            inTime = true;
            continue;
        }
        const auto amount = decimal(text, pos);
        if (!amount || pos >= text.size()) return std::nullopt;
        const char unit = text[pos++];
        if (!inTime && unit == 'D')
            days += *amount;
        else if (inTime && unit == 'H')
            days += *amount / 24.0;
        else if (inTime && unit == 'M')
            days += *amount / 1440.0;
        else if (inTime && unit == 'S')
            days += *amount / 86400.0;
        else
            return std::nullopt;  // years and months have no fixed length in days
        any = true;
    }
    if (!any) return std::nullopt;
    return negative ? -days : days;
}

}  // namespace orrery
