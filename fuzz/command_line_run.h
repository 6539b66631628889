#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "fuzz_check.h"

namespace orrery::fuzz {

// One run of the program's command line, as main() makes it, with nothing
// on standard input.
struct CommandLineRun {
    int status = 0;
    std::string out;
    std::string err;
};

// Runs `arguments` and holds the run to what every command-line mode
// promises: a value and no message (status 0), or a message and no value
// (status 1), or the usage complaint of a bad command line (status 2).
inline CommandLineRun runArguments(const std::vector<std::string>& arguments) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = runCommandLine(parseCommandLine(arguments), in, out, err);
    CommandLineRun run{status, out.str(), err.str()};
    check(status >= 0 && status <= 2, "the exit status is 0, 1 or 2");
    check(status == 0 ? run.err.empty() : !run.err.empty(), "a message comes exactly with a failure");
    check(status == 0 || run.out.empty(), "a failure prints nothing on standard output");
    return run;
}

}  // namespace orrery::fuzz
