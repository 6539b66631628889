#pragma once

#include <string>
#include <vector>

namespace orrery {

// The status-bar texts of the graph window, one per part.
std::vector<std::string> coordinateStatus(double x, double y);  // after a left click
std::vector<std::string> graphShownStatus();                     // after Sketch
std::vector<std::string> noPointsStatus();                        // no curve has points in range

}  // namespace orrery
