#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/user_message.h"

namespace orrery {

// The result of the file-name check: an error text (empty when the name is
// good) and the extension after the last dot.
struct FileNameCheck {
    std::string error;
    std::string extension;
};

// The rules look at the file name only, so a dot in a folder such as
// "~/.local" is no second dot. Names keep their case: on Linux "Graph.qpl"
// and "graph.qpl" are different files.
FileNameCheck CheckFileName(std::string_view path);

enum class FileCheckMode { Open, Export, Save };

// The two allowed lists: documents, and exported pictures.
const std::vector<std::string>& documentExtensions();
const std::vector<std::string>& exportExtensions();

// CheckFileName and the allowed-extension test (extensions compare without
// regard to case). An empty text means the name is good.
std::string CheckExtension(std::string_view path, const std::vector<std::string>& allowed,
                           FileCheckMode mode);

// The path with the text from its last dot replaced by "." + extension, or
// the name's problem (caption "Improper File Extension").
std::variant<std::string, UserMessage> ForceExtension(std::string_view path,
                                                      std::string_view extension);

// What opening a path means: a document to read, a picture to hand to the
// desktop's image viewer, or a refusal.
enum class OpenKind { Document, Picture };
std::variant<OpenKind, UserMessage> classifyOpenPath(std::string_view path);

// The messages of the file commands.
UserMessage fileTypeError(std::string text);            // "File Type Error"
UserMessage cannotOpenFileMessage(std::string text);    // "Cannot open file"
UserMessage couldNotOpenMessage(std::string_view path);  // "Could not open the file: %s"
UserMessage cannotDrawFromFileMessage(std::string_view path);
UserMessage imageViewerFailedMessage();

// Extension comparison for the rules above.
bool sameExtension(std::string_view a, std::string_view b);

// The file name after the last '/'.
std::string_view fileNameOf(std::string_view path);

}  // namespace orrery
