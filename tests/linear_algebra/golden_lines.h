#pragma once

// Reads the plain-text case tables kept beside the tests: one case a line,
// fields separated by " | ", blank lines and lines starting with '#' skipped.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace orrery::testing {

struct GoldenCase {
    int line = 0;
    std::vector<std::string> fields;
};

inline std::vector<GoldenCase> readGoldenFile(const std::string& path) {
    std::vector<GoldenCase> cases;
    std::ifstream in(path);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text[0] == '#') continue;
        GoldenCase c{line, {}};
        std::size_t start = 0;
        for (std::size_t bar; (bar = text.find(" | ", start)) != std::string::npos; start = bar + 3)
            c.fields.push_back(text.substr(start, bar - start));
        c.fields.push_back(text.substr(start));
        cases.push_back(std::move(c));
    }
    return cases;
}

// Runs `check` on every case of the file at `path`, naming the line in any
// failure; the file must hold at least `minimumCases` cases.
template <typename Check>
void forEachGoldenCase(const std::string& path, std::size_t minimumCases, Check check) {
    const auto cases = readGoldenFile(path);
    ASSERT_GE(cases.size(), minimumCases) << path;
    for (const auto& c : cases) {
        SCOPED_TRACE(path + " line " + std::to_string(c.line));
        check(c);
    }
}

}  // namespace orrery::testing
