#include "graphing/graph_status.h"

#include "common/c_numeric.h"

namespace orrery {

std::vector<std::string> coordinateStatus(double x, double y) {
    return {formatC(" x = %.4lf", x), formatC(" y = %.4lf", y),
            "  Right click to see a menu of graph options."};
}

std::vector<std::string> graphShownStatus() {
    return {"Left click to display the coordinates of a point.", "Right click to see a menu of graph options."};
}

std::vector<std::string> noPointsStatus() {
    return {"There are no points in the specified interval.", "Right click and select \"Domains and Ranges\"."};
}

}  // namespace orrery
