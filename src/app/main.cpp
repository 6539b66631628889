#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"

#ifdef ORRERY_HAS_WINDOWS
#include "app/export_main.h"
#include "app/gui_main.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const orrery::CommandLine commandLine = orrery::parseCommandLine(arguments);
#ifdef ORRERY_HAS_WINDOWS
    if (commandLine.mode == orrery::CommandLine::Mode::Gui)
        return orrery::runWindows(argc, argv, commandLine.files);
    if (commandLine.mode == orrery::CommandLine::Mode::Export)
        return orrery::runExport(argc, argv, commandLine.exportRequest);
#endif
    // The command-line modes need no display: they run before any window exists.
    return orrery::runCommandLine(commandLine, std::cin, std::cout, std::cerr);
}
