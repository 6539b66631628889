#pragma once

// The plain-text case tables kept beside the tests: one case a line, fields
// separated by " | " (other spaces belong to the field), \n standing for a
// line break; blank lines and lines starting with '#' are skipped.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace orrery::testing {

struct Case {
    int line = 0;
    std::vector<std::string> fields;
};

inline std::string caseField(const std::string& raw) {
    std::string field;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const bool lineBreak = raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == 'n';
        field += lineBreak ? '\n' : raw[i];
        i += lineBreak;
    }
    return field;
}

inline std::vector<Case> readCases(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << "cannot open " << path;
    std::vector<Case> cases;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text[0] == '#') continue;
        Case c{line, {}};
        std::size_t start = 0;
        for (std::size_t bar; (bar = text.find(" | ", start)) != std::string::npos; start = bar + 3)
            c.fields.push_back(caseField(text.substr(start, bar - start)));
        c.fields.push_back(caseField(text.substr(start)));
        cases.push_back(std::move(c));
    }
    return cases;
}

// Runs `check` on every case of the file, naming the line in any failure; the
// file must hold at least `minimumCases` cases.
template <typename Check>
void forEachCase(const std::string& path, std::size_t minimumCases, Check check) {
    const std::vector<Case> cases = readCases(path);
    ASSERT_GE(cases.size(), minimumCases) << path;
    for (const Case& c : cases) {
        SCOPED_TRACE(path + " line " + std::to_string(c.line));
        check(c);
    }
}

}  // namespace orrery::testing
