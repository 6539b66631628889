#include "persistence/version_tag.h"

#include <array>

namespace orrery {

void writeVersionTag(std::ostream& out) {
    out.write(kVersionTag.data(), static_cast<std::streamsize>(kVersionTag.size()));
}

bool checkVersionTag(std::istream& in) {
    std::array<char, 4> tag{};
    in.read(tag.data(), tag.size());
    return in.gcount() == static_cast<std::streamsize>(tag.size()) &&
           std::string_view(tag.data(), tag.size()) == kVersionTag;
}

}  // namespace orrery
