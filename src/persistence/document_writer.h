#pragma once

#include <ostream>

#include "graphing/graph_settings.h"
#include "graphing/graph_view.h"

namespace orrery {

// Writes a document's body (everything after the version tag): the settings,
// the graph range, the curves, the current curve and the graph text. Clears
// `modified` once the settings are written. Curves are numbered by their
// position. False when the stream failed.
bool WriteDocument(std::ostream& out, GraphSettings& settings, const GraphDocument& document);

// The version tag followed by the body: a whole file.
bool WriteDocumentFile(std::ostream& out, GraphSettings& settings, const GraphDocument& document);

}  // namespace orrery
