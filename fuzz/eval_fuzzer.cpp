// Any text as `orrery --eval TEXT`: typed on the calculator, Enter pressed,
// and what the value display shows printed, or the first message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "command_line_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const orrery::fuzz::CommandLineRun run = orrery::fuzz::runArguments({"--eval", text});
    orrery::fuzz::check(run.status != 2, "--eval takes any text");
    // Each Enter in the text draws once, and the display shows a line for it.
    orrery::fuzz::check(run.status != 0 || (!run.out.empty() && run.out.back() == '\n'),
                        "a value is printed as a line");
    return 0;
}
