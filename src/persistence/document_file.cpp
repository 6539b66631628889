#include "persistence/document_file.h"

#include "common/c_numeric.h"
#include "persistence/atomic_file.h"
#include "persistence/document_writer.h"

namespace orrery {

UserMessage couldNotSaveMessage(const std::filesystem::path& path) {
    return UserMessage{"Orrery_742", formatC("Could not save the file: %s", path.c_str()), MessageIcon::Warning,
                       MessageButtons::Ok};
}

UserMessage couldNotWriteMessage(const std::filesystem::path& path) {
    return UserMessage{"Orrery_742", formatC("Could not write file %s", path.filename().c_str()),
                       MessageIcon::Warning, MessageButtons::Ok};
}

std::optional<UserMessage> saveDocumentFile(const std::filesystem::path& path, GraphSettings& settings,
                                            const GraphDocument& document) {
    const bool wasModified = settings.modified;
    const AtomicWriteResult result = writeFileAtomically(
        path, [&](std::ostream& out) { return WriteDocumentFile(out, settings, document); });
    if (result == AtomicWriteResult::Written) return std::nullopt;
    settings.modified = wasModified;
    return result == AtomicWriteResult::CannotCreate ? couldNotSaveMessage(path) : couldNotWriteMessage(path);
}

}  // namespace orrery
