#pragma once

#include <iosfwd>

#include "shell/export_request.h"

namespace orrery {

// Draws the request's graph into its picture file. Every message (a bad file
// name, typing or syntax errors, limits, a document that does not read) goes
// to `err` as "CAPTION: TEXT" and the status is 1; nothing is written then.
// Needs a QGuiApplication; the request's size must be set.
int exportGraph(const ExportRequest& request, std::ostream& err);

}  // namespace orrery
