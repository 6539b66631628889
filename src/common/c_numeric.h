#pragma once

#include <cstdarg>
#include <optional>
#include <string>
#include <string_view>

namespace orrery {

// printf-style formatting in the "C" numeric locale, whatever the process locale is.
std::string formatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// strtod in the "C" numeric locale. Reads as much of `text` as forms a number
// (leading blanks skipped, like "%lf"); `consumed` receives the count of characters read.
double parseDoubleC(std::string_view text, std::size_t* consumed = nullptr);

// "%lf" reading: nullopt when the text holds no number at its start.
std::optional<double> scanDouble(std::string_view text);

// The whole text as one number (no blanks or characters after it); nullopt otherwise.
std::optional<double> wholeNumberC(std::string_view text);

// "%d" reading: nullopt when the text holds no integer at its start or it does not fit.
std::optional<int> scanInt(std::string_view text);

}  // namespace orrery
