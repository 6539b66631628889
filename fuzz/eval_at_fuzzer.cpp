// `orrery --eval TEXT --at X`, in radians and with --degrees. The input's
// first line is X, the rest is TEXT.
#include <cstddef>
#include <cstdint>
#include <string>

#include "command_line_run.h"
#include "common/c_numeric.h"

namespace {

using namespace orrery;

void evaluateAt(const std::string& text, const std::string& x, bool degrees) {
    std::vector<std::string> arguments{"--eval", text, "--at", x};
    if (degrees) arguments.push_back("--degrees");
    const fuzz::CommandLineRun run = fuzz::runArguments(arguments);
    if (run.status != 0) return;
    std::size_t used = 0;
    parseDoubleC(run.out, &used);
    fuzz::check(used > 0 && run.out.substr(used) == "\n", "the value is printed as one number on a line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string x = input.substr(0, newline);
    const std::string text = newline == std::string::npos ? std::string() : input.substr(newline + 1);
    evaluateAt(text, x, false);
    evaluateAt(text, x, true);
    return 0;
}
