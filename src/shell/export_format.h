#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_message.h"

namespace orrery {

// The picture formats of File -> Export and of `orrery --export`.
enum class ExportFormat { Bmp, Gif, Jpeg, Png, Svg, Pdf };

// The export dialog's filter lines, one per format.
std::string exportDialogFilter();

// The format a checked export name asks for, by its extension (any case).
std::optional<ExportFormat> exportFormatFor(std::string_view path);

// The export-mode name check: nothing for a good name, otherwise its message
// (caption "File Type Error").
std::optional<UserMessage> checkExportPath(std::string_view path);

// "Could not save the file: %s" (caption "Orrery_742").
UserMessage couldNotSaveMessage(std::string_view path);

// Writes the bytes into a new file beside `path` and renames it over `path`,
// so a failed export leaves an older picture of that name whole.
std::optional<UserMessage> writePictureFile(const std::string& path, std::string_view bytes);

}  // namespace orrery
