#pragma once

#include <filesystem>
#include <optional>

#include "common/user_message.h"
#include "graphing/graph_settings.h"
#include "graphing/graph_view.h"

namespace orrery {

// "Could not save the file: PATH" (caption "Orrery_742").
UserMessage couldNotSaveMessage(const std::filesystem::path& path);
// "Could not write file TITLE" (caption "Orrery_742"), TITLE the file name alone.
UserMessage couldNotWriteMessage(const std::filesystem::path& path);

// Saves a whole document (tag and body) through a temporary file. On success
// `modified` is cleared; on failure it keeps its value, so the program still
// offers to save what was not saved.
std::optional<UserMessage> saveDocumentFile(const std::filesystem::path& path, GraphSettings& settings,
                                            const GraphDocument& document);

}  // namespace orrery
