#pragma once

#include <istream>
#include <optional>
#include <variant>

#include "common/user_message.h"
#include "graphing/graph_settings.h"
#include "graphing/graph_view.h"

namespace orrery {

// "Your file is incompatible with this version of the program" / "FILE ERROR".
UserMessage incompatibleFileMessage();

// Reads a document's body (the stream stands after the version tag) up to the
// end of the stream. The document's settings replace those of `settings`
// (the window options, which documents do not hold, stay); the view's part
// replaces `document`. Anything out of range, truncated or trailing refuses
// the whole file with the incompatible-file message, and then neither
// argument has changed.
std::optional<UserMessage> ReadDocument(std::istream& in, GraphSettings& settings, GraphDocument& document);

struct LoadedDocument {
    GraphSettings settings;
    GraphDocument document;
};

// A whole file, version tag included, read on top of a copy of `current`
// settings. The live model is only touched by the caller taking the result.
std::variant<LoadedDocument, UserMessage> ReadDocumentFile(std::istream& in, const GraphSettings& current);

}  // namespace orrery
