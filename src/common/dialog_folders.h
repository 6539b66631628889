#pragma once

#include <array>
#include <string>

namespace orrery {

// The file dialogs whose folder is remembered between uses and runs.
enum class FolderSlot { None, Open, Save, Export };

// The folders last used in the open, save and export dialogs, so that each
// starts where the person last was.
class DialogFolders {
public:
    // Where a dialog starts: a path that names its own folder is kept; a bare
    // file name (or nothing) goes into the remembered folder.
    std::string startPath(FolderSlot slot, const std::string& initialPath) const;
    // Keeps the folder of the path the person chose.
    void remember(FolderSlot slot, const std::string& chosenPath);

    const std::string& folder(FolderSlot slot) const { return folders_[static_cast<std::size_t>(slot)]; }
    void setFolder(FolderSlot slot, std::string folder);

private:
    std::array<std::string, 4> folders_;
};

}  // namespace orrery
