#pragma once

#include <string>

namespace orrery {

class GraphView;

// The open document: its path (empty while untitled).
struct DocumentState {
    std::string path;
};

// Whether closing, New or opening another document would lose work: the
// curves or the graph text hold something, and it changed since the last
// save or open.
bool hasUnsavedWork(const GraphView& view);

}  // namespace orrery
