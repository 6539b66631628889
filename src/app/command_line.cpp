#include "app/command_line.h"

#include <algorithm>
#include <array>
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
std::optional<double> readNumber(const std::string& text) { return wholeNumberC(text); }

// "WxH" with whole numbers from 1 to 8192: a larger picture would take gigabytes.
bool readSize(const std::string& text, int& width, int& height) {
    constexpr long kLargest = 8192;
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    auto whole = [](const std::string& digits, int& out) {
        if (digits.empty() || digits.size() > 5 ||
            digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const long value = std::stol(digits);
        if (value < 1 || value > kLargest) return false;
        out = static_cast<int>(value);
        return true;
    };
    return whole(text.substr(0, x), width) && whole(text.substr(x + 1), height);
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
    bool exportGiven = false;
    bool exportOptionGiven = false;
    ExportRequest& request = line.exportRequest;
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
        } else if (arg == "--zeros" || arg == "--extrema" || arg == "--table") {
            if (line.analysis.kind != AnalysisRequest::Kind::None)
                return failure("--zeros, --extrema and --table cannot be combined");
            const bool table = arg == "--table";
            const char* needs = table ? " needs XSTART STEP COUNT" : " needs XMIN XMAX";
            std::array<std::optional<double>, 3> numbers;
            for (std::size_t n = 0; n < (table ? 3u : 2u); ++n) {
                std::optional<std::string> text = value();
                if (!text) return failure(arg + needs);
                numbers[n] = readNumber(*text);
                if (!numbers[n]) return failure(arg + needs + ", not '" + *text + "'");
            }
            line.analysis.kind = arg == "--zeros"     ? AnalysisRequest::Kind::Zeros
                                 : arg == "--extrema" ? AnalysisRequest::Kind::Extrema
                                                      : AnalysisRequest::Kind::Table;
            line.analysis.from = *numbers[0];
            line.analysis.to = *numbers[1];
            if (table) {
                // A whole number of rows; the table itself judges how many.
                const double count = *numbers[2];
                if (!(count >= 0 && count <= 1e9) || count != static_cast<double>(static_cast<std::int64_t>(count)))
                    return failure("--table needs a whole number of rows from 1 to 100000");
                line.analysis.count = static_cast<std::int64_t>(count);
            }
        } else if (arg == "--degrees") {
            line.degrees = true;
        } else if (arg == "--explain") {
            line.explain = true;
        } else if (arg == "--export") {
            std::optional<std::string> path = value();
            if (!path) return failure("--export needs a picture file name");
            request.output = *path;
            exportGiven = true;
        } else if (arg == "--size") {
            exportOptionGiven = true;
            std::optional<std::string> text = value();
            if (!text || !readSize(*text, request.width, request.height))
                return failure("--size needs WIDTHxHEIGHT in pixels, each from 1 to 8192");
        } else if (arg == "--range") {
            exportOptionGiven = true;
            std::array<std::string, 4> fields;
            for (std::string& field : fields) {
                std::optional<std::string> text = value();
                if (!text) return failure("--range needs four numbers: XMIN XMAX YMIN YMAX");
                field = *text;
            }
            request.range = fields;
        } else if (arg == "--curve") {
            exportOptionGiven = true;
            std::optional<std::string> text = value();
            if (!text) return failure("--curve needs an expression");
            request.curves.push_back(*text);
        } else if (arg.starts_with("--")) {
            return failure("unknown option '" + arg + "'");
        } else {
            line.files.push_back(arg);
        }
    }
    if ((line.at || line.degrees) && !evalGiven) return failure("--at and --degrees need --eval");
    if (line.degrees && !line.at) return failure("--degrees needs --at");
    if (line.analysis.kind != AnalysisRequest::Kind::None) {
        if (!evalGiven) return failure("--zeros, --extrema and --table need --eval");
        if (line.at) return failure("--at cannot be combined with --zeros, --extrema or --table");
    }
    if (line.explain && (!evalGiven || line.at || line.analysis.kind != AnalysisRequest::Kind::None))
        return failure("--explain needs --eval without --at, --zeros, --extrema or --table");
    if (exportOptionGiven && !exportGiven) return failure("--size, --range and --curve need --export");
    if (evalGiven && exportGiven) return failure("--eval and --export cannot be combined");
    if (evalGiven) {
        if (!line.files.empty()) return failure("--eval takes no document");
        line.mode = CommandLine::Mode::Eval;
    }
    if (exportGiven) {
        if (line.files.size() + (request.curves.empty() ? 0 : 1) != 1)
            return failure("--export needs one document or at least one --curve, not both");
        if (!line.files.empty()) request.document = line.files.front();
        line.files.clear();
        line.mode = CommandLine::Mode::Export;
    }
    return line;
}

std::vector<std::string> documentsLeft(const std::vector<std::string>& documents,
                                       std::vector<std::string> remaining) {
    std::vector<std::string> kept;
    for (const std::string& document : documents) {
        const auto found = std::find(remaining.begin(), remaining.end(), document);
        if (found == remaining.end()) continue;
        remaining.erase(found);
        kept.push_back(document);
    }
    return kept;
}

std::string usageText() {
    return "Usage: orrery [FILE.qpl]\n"
           "       orrery --eval TEXT [--at X [--degrees] | --explain]\n"
           "       orrery --eval TEXT (--zeros XMIN XMAX | --extrema XMIN XMAX |\n"
           "                          --table XSTART STEP COUNT)\n"
           "       orrery --export OUT [--size WxH] [--range XMIN XMAX YMIN YMAX]\n"
           "              (DOCUMENT.qpl | --curve TEXT [--curve TEXT ...])\n"
           "\n"
           "Orrery is a graphing scientific calculator.\n"
           "\n"
           "  FILE.qpl          open a graph document\n"
           "  --eval TEXT       type TEXT on the calculator, press Enter and print what the\n"
           "                    value display shows (TEXT \"-\" reads standard input)\n"
           "  --at X            instead, print the curve's value at x = X\n"
           "  --degrees         X is in degrees\n"
           "  --zeros XMIN XMAX     instead, print every zero of the curve between XMIN\n"
           "                    and XMAX as \"x y\", one a line\n"
           "  --extrema XMIN XMAX   instead, print every local minimum and maximum\n"
           "  --table XSTART STEP COUNT   instead, print x and the curve's value for\n"
           "                    COUNT values of x (up to 100000); undefined rows are left out\n"
           "  --explain         instead, print how each curve was read, fully bracketed\n"
           "                    (3sinx prints 3·sin(x))\n"
           "  --export OUT      draw the document's graph, or the --curve texts (one curve\n"
           "                    each, typed as on the keyboard), into the picture OUT;\n"
           "                    its extension picks the format: bmp, gif, jpeg, png, svg, pdf\n"
           "  --size WxH        the picture's size in pixels (default: the graph's size in\n"
           "                    a new window)\n"
           "  --range XMIN XMAX YMIN YMAX   the graph's limits, as the Domains/Range dialog\n"
           "                    takes them\n"
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
            if (line.analysis.kind != AnalysisRequest::Kind::None)
                return analysisCommand(text, line.analysis, out, err);
            return line.at ? evaluateAtCommand(text, *line.at, line.degrees, out, err)
                           : evalCommand(text, out, err, line.explain);
        }
        case CommandLine::Mode::Gui:
        case CommandLine::Mode::Export: break;
    }
    err << "orrery: this build has no windows (it was built without Qt).\n"
        << usageText();
    return 2;
}

}  // namespace orrery
