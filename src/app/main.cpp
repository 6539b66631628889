#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const orrery::CommandLine commandLine = orrery::parseCommandLine(arguments);
    // The command-line modes need no display: they run before any window exists.
    return orrery::runCommandLine(commandLine, std::cin, std::cout, std::cerr);
}
