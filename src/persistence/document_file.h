#pragma once

#include <filesystem>
#include <optional>

#include "common/user_message.h"
#include "graphing/graph_settings.h"
#include "graphing/graph_view.h"
#include "persistence/document_limits.h"

namespace orrery {

// "Could not save the file: PATH" (caption "Orrery_742").
UserMessage couldNotSaveMessage(const std::filesystem::path& path);
// "Could not write file TITLE" (caption "Orrery_742"), TITLE the file name alone.
UserMessage couldNotWriteMessage(const std::filesystem::path& path);

// "This graph is too large to save: ..." for a document beyond what the
// reader takes.
UserMessage documentTooLargeMessage();

// Saves a whole document (tag and body) through a temporary file. On success
// `modified` is cleared; on failure it keeps its value, so the program still
// offers to save what was not saved.
// A document larger than maxBytes is refused unwritten.
std::optional<UserMessage> saveDocumentFile(const std::filesystem::path& path, GraphSettings& settings,
                                            const GraphDocument& document,
                                            std::size_t maxBytes = kMaxDocumentBytes);

}  // namespace orrery
