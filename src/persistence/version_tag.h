#pragma once

#include <istream>
#include <ostream>
#include <string_view>

namespace orrery {

// The four bytes that open every document: "097" and a zero byte.
inline constexpr std::string_view kVersionTag{"097\0", 4};

void writeVersionTag(std::ostream& out);
// Reads four bytes; true only when they are the tag.
bool checkVersionTag(std::istream& in);

}  // namespace orrery
