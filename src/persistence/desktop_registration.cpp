#include "persistence/desktop_registration.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "persistence/atomic_file.h"

namespace orrery {
namespace {

constexpr std::string_view kExecPlaceholder = "@ORRERY_EXEC@";

bool sameBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string existing((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return existing == bytes;
}

}  // namespace

std::string DesktopExecArgument(const std::string& executable) {
    // Field codes start with '%' everywhere in the line, quoted or not.
    std::string quoted;
    bool needsQuotes = executable.empty();
    for (const char c : executable) {
        if (c == '%') {
            quoted += "%%";
            continue;
        }
        if (std::string_view(" \t\r\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos) needsQuotes = true;
        // Inside quotes these four take a backslash.
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    if (!needsQuotes) return quoted;
    // The key's value is itself a string in which a backslash is written twice.
    std::string value = "\"";
    for (const char c : quoted) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '\n')
            value += "\\n";
        else if (c == '\r')
            value += "\\r";
        else
            value += c;
    }
    return value + "\"";
}

std::string FillDesktopEntry(std::string_view entryTemplate, const std::string& executable) {
    std::string entry(entryTemplate);
    const std::size_t at = entry.find(kExecPlaceholder);
    if (at != std::string::npos) entry.replace(at, kExecPlaceholder.size(), DesktopExecArgument(executable));
    return entry;
}

std::vector<DesktopFile> RegistrationFiles(const DesktopTemplates& templates, const std::string& executable) {
    return {
        {"mime/packages/orrery.xml", templates.mimePackage},
        {"applications/orrery.desktop", FillDesktopEntry(templates.entry, executable)},
        {"icons/hicolor/scalable/apps/orrery.svg", templates.appIcon},
        {"icons/hicolor/scalable/mimetypes/application-x-orrery-graph.svg", templates.documentIcon},
    };
}

RegistrationOutcome WriteRegistration(const std::filesystem::path& dataHome, const std::vector<DesktopFile>& files) {
    RegistrationOutcome outcome;
    if (dataHome.empty() || !dataHome.is_absolute()) return outcome;
    for (const DesktopFile& file : files) {
        const std::filesystem::path target = dataHome / file.relativePath;
        if (sameBytes(target, file.bytes)) continue;
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error) return outcome;
        const AtomicWriteResult result = writeFileAtomically(target, [&file](std::ostream& out) {
            out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
            return static_cast<bool>(out);
        });
        if (result != AtomicWriteResult::Written) return outcome;
        outcome.changed = true;
    }
    outcome.written = true;
    return outcome;
}

}  // namespace orrery
