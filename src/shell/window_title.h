#pragma once

#include <string>
#include <string_view>

namespace orrery {

// "Orrery_742 - name" with the file name of the path, or "(untitled)".
std::string windowTitle(std::string_view path);

}  // namespace orrery
