#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>

#include "app/command_line.h"
#include "support/case_file.h"

namespace orrery {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCommandLine(parseCommandLine(arguments), in, out, err);
    return Outcome{status, out.str(), err.str()};
}

TEST(EvalCommand, PrintsWhatTheValueDisplayShows) {
    const std::vector<testing::Case> cases = testing::readCases(ORRERY_TEST_DATA_DIR "/display_cases.txt");
    ASSERT_GT(cases.size(), 8u);
    for (const testing::Case& c : cases) {
        const Outcome r = run({"--eval", c.fields[0]});
        EXPECT_EQ(r.status, 0) << c.fields[0] << ": " << r.err;
        EXPECT_EQ(r.out, (c.fields.size() > 1 ? c.fields[1] : "") + "\n") << c.fields[0];
        EXPECT_EQ(r.err, "") << c.fields[0];
    }
}

TEST(EvalCommand, MessagesGoToStandardErrorWithTheirCaption) {
    const Outcome syntax = run({"--eval", "2+"});
    EXPECT_EQ(syntax.status, 1);
    EXPECT_EQ(syntax.out, "");
    EXPECT_EQ(syntax.err, "SYNTAX ERROR: Curve# 1: The operator: + cannot end an expression.\n");

    // The first message ends the run, in the order the messages arise, with
    // nothing on standard output.
    const std::string typo =
        "ERROR: TYPO: 'q' does not match the first 1 letter of any function name.\n\n"
        "Please modify your input or insert some braces.\n\n";
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    };
    for (const Case& c : {Case{{"--eval", "3q"}, typo},
                          Case{{"--eval", "3q+"}, typo},
                          Case{{"--eval", "2+\r3q"}, syntax.err},
                          Case{{"--eval", "3q", "--at", "1"}, typo}}) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, 1) << c.arguments[1];
        EXPECT_EQ(r.out, "") << c.arguments[1];
        EXPECT_EQ(r.err, c.err) << c.arguments[1];
    }
    for (const char* text : {"si+", "sincosx"}) {
        // "si+": one "not recognized" message, not two; "sincosx": no value after three typos.
        const Outcome r = run({"--eval", text, "--at", "1"});
        EXPECT_EQ(r.status, 1) << text;
        EXPECT_EQ(r.out, "") << text;
        EXPECT_EQ(r.err, run({"--eval", text}).err) << text;  // one message, the same either way
    }
}

TEST(EvalCommand, ExplainPrintsEachSketchedCurveAsItWasReadOrTheFirstMessage) {
    EXPECT_EQ(run({"--eval", "3sinx", "--explain"}).out, "3·sin(x)\n");
    // Typing goes on in the same curve after Enter, as on the calculator.
    EXPECT_EQ(run({"--eval", "sin3x+1\r2*-3", "--explain"}).out, "sin(3·x) + 1\nsin(3·x) + 12·(−3)\n");
    const Outcome refused = run({"--eval", "sinx\r2+", "--explain"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, run({"--eval", "2+"}).err);
    EXPECT_EQ(run({"--eval", "x", "--at", "1", "--explain"}).status, 2);
    EXPECT_EQ(run({"--explain"}).status, 2);
}

TEST(EvalCommand, ReadsStandardInputWithoutItsFinalNewline) {
    EXPECT_EQ(run({"--eval", "-"}, "2*-3\n").out, "-6\n");
    EXPECT_EQ(run({"--eval", "-"}, "1/4\r\n").out, "0.250000000000000\n");
    // Enter inside the text sketches there too.
    EXPECT_EQ(run({"--eval", "-"}, "2\r+1\n").out, "2\n3\n");
}

TEST(EvalCommand, HugeInputIsRefusedNotFatal) {
    const Outcome nested = run({"--eval", "-"}, std::string(100000, '(') + "x" + std::string(100000, ')'));
    EXPECT_EQ(nested.status, 1);
    EXPECT_NE(nested.err.find("too long"), std::string::npos);
    std::string sum = "1";
    for (int i = 0; i < 500000; ++i) sum += "+1";
    EXPECT_EQ(run({"--eval", "-"}, sum).status, 1);
}

TEST(EvaluateAtCommand, PrintsTheValueWithSeventeenDigits) {
    EXPECT_EQ(run({"--eval", "sin3x", "--at", "2"}).out, "-0.27941549819892586\n");
    EXPECT_EQ(run({"--eval", "sin", "--at", "90", "--degrees"}).out, "1\n");
    EXPECT_EQ(run({"--eval", "x^2", "--at", "-1.5e1"}).out, "225\n");
    EXPECT_EQ(run({"--eval", "ln", "--at", "1"}).out, "0\n");  // letters pending at the end resolve

    const Outcome degrees = run({"--eval", "x", "--at", "1", "--degrees"});
    EXPECT_EQ(degrees.status, 1);
    EXPECT_EQ(degrees.err,
              "Input Error: You have chosen to evaluate in degrees, but have no trigonmetric "
              "functions. Only trigonmetric functions can be evaluated with degrees\n");
    const Outcome undefined = run({"--eval", "sqrt x", "--at", "-1"});
    EXPECT_EQ(undefined.status, 1);
    EXPECT_EQ(undefined.err,
              "Input Error: The value you are attempting to calculate is undefined or out of "
              "bounds.\n\n");
    EXPECT_EQ(run({"--eval", "", "--at", "1"}).err,
              "Input Error: Please enter a function to evaluate before coming here.\n");
}

TEST(CommandLine, OptionsAndTheirMistakes) {
    EXPECT_EQ(parseCommandLine({"graph.qpl"}).files, std::vector<std::string>{"graph.qpl"});
    EXPECT_EQ(run({"--version"}).out, "orrery 0.1.0\n");
    EXPECT_EQ(run({"--help"}).status, 0);
    EXPECT_NE(run({"--help"}).out.find("--eval"), std::string::npos);
    for (const auto& wrong : std::vector<std::vector<std::string>>{
             {"--eval"}, {"--eval", "x", "--at"}, {"--eval", "x", "--at", "2,5"},
             {"--eval", "x", "--at", "abc"}, {"--at", "1"}, {"--eval", "x", "--degrees"},
             {"--frobnicate"}, {"--eval", "x", "doc.qpl"}}) {
        const Outcome r = run(wrong);
        EXPECT_EQ(r.status, 2) << wrong.back();
        EXPECT_EQ(r.err.rfind("orrery: ", 0), 0u) << wrong.back();
    }
    EXPECT_EQ(*parseCommandLine({"--eval", "x", "--at", "inf"}).at, INFINITY);
}

TEST(CommandLine, OptionsTheToolkitTookAreNoDocuments) {
    using Names = std::vector<std::string>;
    struct Case {
        Names arguments, leftByToolkit, documents;
    };
    const Case cases[] = {
        {{"-style", "fusion", "a.qpl"}, {"a.qpl"}, {"a.qpl"}},
        {{"-stylesheet", "x.qss"}, {}, {}},
        {{"-style", "a.qpl", "a.qpl"}, {"a.qpl"}, {"a.qpl"}},
        {{"a.qpl", "-unknown"}, {"a.qpl", "-unknown"}, {"a.qpl", "-unknown"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(documentsLeft(parseCommandLine(c.arguments).files, c.leftByToolkit), c.documents)
            << c.arguments.front();
}

TEST(CommandLine, ExportTakesOnePictureOfADocumentOrOfCurves) {
    const CommandLine curves = parseCommandLine(
        {"--export", "out.png", "--size", "1200x900", "--curve", "3sinx", "--range", "-1", "2", "-3", "4.5",
         "--curve", "1/x"});
    EXPECT_EQ(curves.mode, CommandLine::Mode::Export);
    EXPECT_EQ(curves.exportRequest.output, "out.png");
    EXPECT_EQ(curves.exportRequest.width, 1200);
    EXPECT_EQ(curves.exportRequest.height, 900);
    EXPECT_EQ(curves.exportRequest.curves, (std::vector<std::string>{"3sinx", "1/x"}));
    EXPECT_EQ(*curves.exportRequest.range, (std::array<std::string, 4>{"-1", "2", "-3", "4.5"}));
    const CommandLine document = parseCommandLine({"graph.qpl", "--export", "out.svg"});
    EXPECT_EQ(document.exportRequest.document, "graph.qpl");
    EXPECT_EQ(document.exportRequest.width, 0);  // the new window's graph size
    EXPECT_TRUE(document.files.empty());

    for (const auto& wrong : std::vector<std::vector<std::string>>{
             {"--export"}, {"--export", "a.png"}, {"--export", "a.png", "g.qpl", "--curve", "x"},
             {"--export", "a.png", "g.qpl", "h.qpl"}, {"--curve", "x"}, {"--size", "10x10", "g.qpl"},
             {"--export", "a.png", "--curve", "x", "--size", "0x10"},
             {"--export", "a.png", "--curve", "x", "--size", "99999x10"},
             {"--export", "a.png", "--curve", "x", "--size", "12x"},
             {"--export", "a.png", "--curve", "x", "--size", "-5x10"},
             {"--export", "a.png", "--curve", "x", "--range", "1", "2", "3"},
             {"--export", "a.png", "--eval", "x"}}) {
        const Outcome r = run(wrong);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(wrong);
        EXPECT_EQ(r.err.rfind("orrery: ", 0), 0u) << ::testing::PrintToString(wrong);
    }
}

}  // namespace
}  // namespace orrery

namespace orrery {
namespace {

TEST(AnalysisCommand, PrintsOnePointALine) {
    struct Case {
        std::vector<std::string> arguments;
        std::string out;
    };
    const Case cases[] = {
        {{"--eval", "x^2-4", "--zeros", "-5", "5"}, "-2 0\n2 0\n"},
        {{"--eval", "1/x", "--zeros", "-5", "4"}, ""},
        {{"--eval", "x^3", "--extrema", "-1", "1"}, ""},
        {{"--eval", "sqrt(x)", "--table", "-1", "0.5", "4"}, "0 0\n0.5 0.70710678118654757\n"},
        {{"--zeros", "0", "1", "--eval", "-"}, "0.5 0\n"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.arguments, "2x-1\n");
        EXPECT_EQ(r.status, 0) << c.arguments[1];
        EXPECT_EQ(r.out, c.out) << c.arguments[1];
        EXPECT_EQ(r.err, "") << c.arguments[1];
    }
    // A turning point's x is known only to about half the digits: the curve is flat there.
    std::istringstream turn(run({"--eval", "x^2-4x", "--extrema", "-10", "10"}).out);
    double x = 0;
    double y = 0;
    std::string rest;
    ASSERT_TRUE(turn >> x >> y);
    EXPECT_NEAR(x, 2.0, 1e-7);
    EXPECT_EQ(y, -4.0);
    EXPECT_FALSE(turn >> rest);
}

TEST(AnalysisCommand, StopsAtTheFirstMessageAndPrintsNothing) {
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    };
    const Case cases[] = {
        {{"--eval", "3q", "--zeros", "0", "1"}, run({"--eval", "3q"}).err},
        {{"--eval", "2+", "--extrema", "0", "1"}, run({"--eval", "2+"}).err},
        {{"--eval", "", "--zeros", "0", "1"}, "Input Error: Please enter a function to analyse.\n"},
        {{"--eval", "x", "--zeros", "1", "0"},
         "Analysis: The interval needs two finite numbers with XMIN less than XMAX.\n"},
        {{"--eval", "x", "--table", "0", "0", "5"},
         "Table of Values: Start and step need finite numbers, and the step cannot be 0.\n"},
        {{"--eval", "x", "--table", "0", "1", "100001"},
         "Table of Values: The number of rows needs to be from 1 to 100000.\n"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, 1) << c.arguments[1];
        EXPECT_EQ(r.out, "") << c.arguments[1];
        EXPECT_EQ(r.err, c.err) << c.arguments[1];
    }
    for (const auto& wrong : std::vector<std::vector<std::string>>{
             {"--zeros", "0", "1"}, {"--eval", "x", "--zeros", "0"}, {"--eval", "x", "--extrema", "a", "1"},
             {"--eval", "x", "--table", "0", "1", "2.5"}, {"--eval", "x", "--table", "0", "1", "-3"},
             {"--eval", "x", "--zeros", "0", "1", "--extrema", "0", "1"},
             {"--eval", "x", "--at", "1", "--zeros", "0", "1"}}) {
        const Outcome r = run(wrong);
        EXPECT_EQ(r.status, 2) << wrong.back();
        EXPECT_EQ(r.err.rfind("orrery: ", 0), 0u) << wrong.back();
    }
}

}  // namespace
}  // namespace orrery
