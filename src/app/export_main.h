#pragma once

#include "shell/export_request.h"

namespace orrery {

// `orrery --export`: draws the graph into the picture file on Qt's offscreen
// platform, so it needs no display. Returns the exit status.
int runExport(int argc, char** argv, ExportRequest request);

}  // namespace orrery
