#include "shell/window_title.h"

#include "shell/file_names.h"

namespace orrery {

std::string windowTitle(std::string_view path) {
    const std::string_view name = path.empty() ? std::string_view("(untitled)") : fileNameOf(path);
    return "Orrery_742 - " + std::string(name);
}

}  // namespace orrery
