#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/analysis_command.h"
#include "shell/export_request.h"

namespace orrery {

// What the command line asks for.
struct CommandLine {
    enum class Mode { Gui, Eval, Export, Help, Version, Error };
    Mode mode = Mode::Gui;
    std::string evalText;       // --eval TEXT ("-" reads standard input)
    std::optional<double> at;   // --at X
    bool degrees = false;       // --degrees
    AnalysisRequest analysis;   // --zeros, --extrema or --table
    bool explain = false;       // --explain
    std::vector<std::string> files;  // documents to open
    ExportRequest exportRequest;  // --export OUT [--size WxH] [--range ...] (DOCUMENT | --curve TEXT...)
    std::string error;          // for Mode::Error
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The documents still named once the toolkit has taken its own options
// (such as "-style fusion") out of the arguments: each document is kept as
// often as it remains among them.
std::vector<std::string> documentsLeft(const std::vector<std::string>& documents,
                                       std::vector<std::string> remaining);

std::string usageText();

// Runs the window-free modes; returns the exit status. `input` is read for "--eval -".
int runCommandLine(const CommandLine& commandLine, std::istream& input, std::ostream& out,
                   std::ostream& err);

}  // namespace orrery
