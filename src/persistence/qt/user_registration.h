#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace orrery {

// Starts a desktop tool (the MIME and desktop-entry database updaters) with
// its arguments; the program starts it detached and does not wait.
using ToolRunner = std::function<void(const QString& program, const QStringList& arguments)>;

// Registers .qpl documents and the program for the current user under
// dataHome: the MIME package, the desktop entry that opens a document with
// the given executable, and the icons. When something changed, the MIME and
// desktop databases of dataHome are refreshed with the tools the machine
// has. False when a file could not be written; callers go on regardless.
bool RegisterDocumentType(const QString& dataHome, const QString& executable, const ToolRunner& runTool);

// The same for the running program under $XDG_DATA_HOME (or
// ~/.local/share), silently; called once at start, before any window.
void RegisterDocumentTypeForCurrentUser();

}  // namespace orrery
