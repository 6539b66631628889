#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orrery {

// A graph drawn straight into a picture file, without a window: a document
// as it would open, or curves typed onto the default settings.
struct ExportRequest {
    std::string output;                 // its extension picks the format
    int width = 0;                      // 0: the graph window's size in a new window
    int height = 0;
    std::optional<std::array<std::string, 4>> range;  // xMin xMax yMin yMax, as typed
    std::string document;               // a .qpl file, or
    std::vector<std::string> curves;    // one typed text per curve
};

}  // namespace orrery
