#include "persistence/document_file.h"

#include "common/c_numeric.h"
#include "persistence/atomic_file.h"
#include "persistence/document_limits.h"
#include "persistence/document_writer.h"

#include <sstream>

namespace orrery {

UserMessage couldNotSaveMessage(const std::filesystem::path& path) {
    return UserMessage{"Orrery_742", formatC("Could not save the file: %s", path.c_str()), MessageIcon::Warning,
                       MessageButtons::Ok};
}

UserMessage couldNotWriteMessage(const std::filesystem::path& path) {
    return UserMessage{"Orrery_742", formatC("Could not write file %s", path.filename().c_str()),
                       MessageIcon::Warning, MessageButtons::Ok};
}

UserMessage documentTooLargeMessage() {
    return UserMessage{"Orrery_742",
                       formatC("This graph is too large to save: a document can hold at most %zu MiB.",
                               kMaxDocumentBytes >> 20),
                       MessageIcon::Warning, MessageButtons::Ok};
}

std::optional<UserMessage> saveDocumentFile(const std::filesystem::path& path, GraphSettings& settings,
                                            const GraphDocument& document, std::size_t maxBytes) {
    const bool wasModified = settings.modified;
    // Composed first, so a graph too large to be opened again is never written.
    std::ostringstream composed;
    const bool complete = WriteDocumentFile(composed, settings, document);
    settings.modified = wasModified;
    const std::string bytes = std::move(composed).str();
    if (complete && bytes.size() > maxBytes) return documentTooLargeMessage();
    const AtomicWriteResult result = writeFileAtomically(path, [&](std::ostream& out) {
        if (!complete || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return false;
        settings.modified = false;
        return true;
    });
    if (result == AtomicWriteResult::Written) return std::nullopt;
    settings.modified = wasModified;
    return result == AtomicWriteResult::CannotCreate ? couldNotSaveMessage(path) : couldNotWriteMessage(path);
}

}  // namespace orrery
