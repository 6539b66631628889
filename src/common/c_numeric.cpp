#include "c_numeric.h"

#include <locale.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace orrery {
namespace {

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

// Switches this thread to the C locale for the lifetime of the object.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

}  // namespace

std::string formatC(const char* format, ...) {
    CLocaleScope scope;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (size > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        result.assign(buffer.data(), static_cast<std::size_t>(size));
    }
    va_end(args);
    return result;
}

double parseDoubleC(std::string_view text, std::size_t* consumed) {
    const std::string owned(text);  // strtod needs a terminated string
    char* end = nullptr;
    const double value = strtod_l(owned.c_str(), &end, cLocale());
    if (consumed) *consumed = static_cast<std::size_t>(end - owned.c_str());
    return value;
}

std::optional<double> scanDouble(std::string_view text) {
    std::size_t consumed = 0;
    const double value = parseDoubleC(text, &consumed);
    if (consumed == 0) return std::nullopt;
    return value;
}

std::optional<double> wholeNumberC(std::string_view text) {
    std::size_t consumed = 0;
    const double value = parseDoubleC(text, &consumed);
    if (consumed == 0 || consumed != text.size()) return std::nullopt;
    return value;
}

std::optional<int> scanInt(std::string_view text) {
    const std::string owned(text);
    char* end = nullptr;
    errno = 0;
    const long value = strtol_l(owned.c_str(), &end, 10, cLocale());
    if (end == owned.c_str() || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace orrery
