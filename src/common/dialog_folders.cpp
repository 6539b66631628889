#include "common/dialog_folders.h"

namespace orrery {

std::string DialogFolders::startPath(FolderSlot slot, const std::string& initialPath) const {
    const std::string& remembered = folder(slot);
    if (slot == FolderSlot::None || remembered.empty() || initialPath.find('/') != std::string::npos)
        return initialPath;
    if (initialPath.empty()) return remembered;
    return remembered.back() == '/' ? remembered + initialPath : remembered + '/' + initialPath;
}

void DialogFolders::remember(FolderSlot slot, const std::string& chosenPath) {
    const std::size_t slash = chosenPath.rfind('/');
    if (slash == std::string::npos) return;
    // The root keeps its one slash.
    setFolder(slot, chosenPath.substr(0, slash == 0 ? 1 : slash));
}

void DialogFolders::setFolder(FolderSlot slot, std::string folder) {
    if (slot == FolderSlot::None) return;
    folders_[static_cast<std::size_t>(slot)] = std::move(folder);
}

}  // namespace orrery
