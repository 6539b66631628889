#include "app/command_line.h"

#include <iostream>
#include <iterator>

#include "app/eval_command.h"
#include "common/c_numeric.h"

namespace orrery {
namespace {

CommandLine failure(std::string error) {
    CommandLine line;
    line.mode = CommandLine::Mode::Error;
    line.error = std::move(error);
    return line;
}

// "X is any number the C library reads": the whole argument, in the C locale.
std::optional<double> readNumber(const std::string& text) {
    std::size_t consumed = 0;
    const double value = parseDoubleC(text, &consumed);
    if (consumed == 0 || consumed != text.size()) return std::nullopt;
    return value;
}

std::string readAll(std::istream& input) {
    std::string text{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    if (text.ends_with('\n')) text.pop_back();
    if (text.ends_with('\r')) text.pop_back();
    return text;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool evalGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) return std::nullopt;
            return arguments[++i];
        };
        if (arg == "--help" || arg == "-h") {
            line.mode = CommandLine::Mode::Help;
            return line;
        }
        if (arg == "--version") {
            line.mode = CommandLine::Mode::Version;
            return line;
        }
        if (arg == "--eval") {
            std::optional<std::string> text = value();
            if (!text) return failure("--eval needs an expression (or - to read it from standard input)");
            line.evalText = *text;
            evalGiven = true;
        } else if (arg == "--at") {
            std::optional<std::string> text = value();
            if (!text) return failure("--at needs a number");
            line.at = readNumber(*text);
            if (!line.at) return failure("--at needs a number, not '" + *text + "'");
        } else if (arg == "--degrees") {
            line.degrees = true;
        } else if (arg.starts_with("--")) {
            return failure("unknown option '" + arg + "'");
        } else {
            line.files.push_back(arg);
        }
    }
    if ((line.at || line.degrees) && !evalGiven) return failure("--at and --degrees need --eval");
    if (line.degrees && !line.at) return failure("--degrees needs --at");
    if (evalGiven) {
        if (!line.files.empty()) return failure("--eval takes no document");
        line.mode = CommandLine::Mode::Eval;
    }
    return line;
}

std::string usageText() {
    return "Usage: orrery [FILE.qpl]\n"
           "       orrery --eval TEXT [--at X [--degrees]]\n"
           "\n"
           "Orrery is a graphing scientific calculator.\n"
           "\n"
           "  FILE.qpl          open a graph document\n"
           "  --eval TEXT       type TEXT on the calculator, press Enter and print what the\n"
           "                    value display shows (TEXT \"-\" reads standard input)\n"
           "  --at X            instead, print the curve's value at x = X\n"
           "  --degrees         X is in degrees\n"
           "  --help            show this text\n"
           "  --version         show the version\n"
           "\n"
           "Messages go to standard error as CAPTION: TEXT, with exit status 1.\n";
}

int runCommandLine(const CommandLine& line, std::istream& input, std::ostream& out,
                   std::ostream& err) {
    switch (line.mode) {
        case CommandLine::Mode::Help: out << usageText(); return 0;
        case CommandLine::Mode::Version: out << "orrery 0.1.0\n"; return 0;
        case CommandLine::Mode::Error:
            err << "orrery: " << line.error << "\nTry 'orrery --help'.\n";
            return 2;
        case CommandLine::Mode::Eval: {
            const std::string text = line.evalText == "-" ? readAll(input) : line.evalText;
            return line.at ? evaluateAtCommand(text, *line.at, line.degrees, out, err)
                           : evalCommand(text, out, err);
        }
        case CommandLine::Mode::Gui: break;
    }
    err << "orrery: this build has no windows (it was built without Qt).\n"
        << usageText();
    return 2;
}

}  // namespace orrery
