#pragma once

#include <string>
#include <vector>

namespace orrery {

// Starts the windows: the main frame, with the first document given opened.
int runWindows(int argc, char** argv, std::vector<std::string> documents);

}  // namespace orrery
