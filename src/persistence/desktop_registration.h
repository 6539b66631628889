#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// The MIME type of .qpl documents on the freedesktop desktop.
inline constexpr std::string_view kDocumentMimeType = "application/x-orrery-graph";

// One file of the desktop registration, by its path under the data folder
// ($XDG_DATA_HOME, or the install prefix's share/).
struct DesktopFile {
    std::string relativePath;
    std::string bytes;
};

// The program's path as one argument of a desktop entry's Exec key: quoted
// and escaped when it holds a blank or a character the key reserves, so a
// path with spaces, quotes, dollars or percent signs still starts the program.
std::string DesktopExecArgument(const std::string& executable);

// The desktop entry from its template, with the program's path in Exec.
std::string FillDesktopEntry(std::string_view entryTemplate, const std::string& executable);

// The files that register Orrery and its documents, from the packaged
// templates: the entry, the MIME package and the two icons.
struct DesktopTemplates {
    std::string entry;
    std::string mimePackage;
    std::string appIcon;
    std::string documentIcon;
};
std::vector<DesktopFile> RegistrationFiles(const DesktopTemplates& templates, const std::string& executable);

struct RegistrationOutcome {
    bool written = false;  // every file is in place with its bytes
    bool changed = false;  // at least one file was new or different
};

// Puts each file under dataHome, replacing a file only when its bytes
// differ, so every start after the first writes nothing. Stops at the first
// failure; nothing outside dataHome is touched.
RegistrationOutcome WriteRegistration(const std::filesystem::path& dataHome, const std::vector<DesktopFile>& files);

}  // namespace orrery
