// Runs import_cases.txt on every fixture format, and checks what reading
// does (and does not do) to the user's file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "common/c_numeric.h"
#include "fitting/range_reader.h"
#include "xlsx_fixture.h"

namespace orrery {
namespace {

namespace fs = std::filesystem;

struct ImportCase {
    int line = 0;
    std::string text;
    std::vector<std::string> fields;
};

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::vector<ImportCase> loadCases() {
    std::ifstream in(std::string(ORRERY_TEST_DATA_DIR) + "/import_cases.txt");
    std::vector<ImportCase> cases;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (trim(text).empty() || text[0] == '#') continue;
        ImportCase c;
        c.line = line;
        c.text = text;
        std::istringstream fields(text + " ");  // keeps a last empty field
        for (std::string f; std::getline(fields, f, '|');) c.fields.push_back(trim(f));
        cases.push_back(c);
    }
    return cases;
}

std::vector<double> numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> values;
    for (std::string w; in >> w;) values.push_back(parseDoubleC(w));
    return values;
}

// A private folder with copies of the fixtures, so no test reads or
// touches the checked-in files.
class ImportFixtures : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::path(::testing::TempDir()) /
                  ("orrery-import-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        for (const char* name : {"points.xls", "points.ods", "points.csv"})
            fs::copy_file(fs::path(ORRERY_TEST_DATA_DIR) / "data" / name, folder_ / name);
        test::writeXlsxFixture(folder_.string());
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string file(const std::string& kind) const { return (folder_ / ("points." + kind)).string(); }

    fs::path folder_;
};

TEST_F(ImportFixtures, EveryCaseOfTheTableOnEveryFormat) {
    const std::vector<ImportCase> cases = loadCases();
    ASSERT_GT(cases.size(), 15u) << "import_cases.txt not found or cut short";
    for (const std::string kind : {"xls", "ods", "csv", "xlsx"}) {
        for (const ImportCase& c : cases) {
            SCOPED_TRACE("import_cases.txt line " + std::to_string(c.line) + " on ." + kind + ": " + c.text);
            ASSERT_EQ(c.fields.size(), 7u) << "malformed line";
            const std::string& formats = c.fields[0];
            if (formats != "all" && (" " + formats + " ").find(" " + kind + " ") == std::string::npos) continue;
            const RangeRead read = readRange(file(kind), c.fields[1], c.fields[2], c.fields[3]);
            EXPECT_EQ(read.status, scanInt(c.fields[4]).value_or(-1));
            EXPECT_EQ(read.x, numbers(c.fields[5]));
            EXPECT_EQ(read.y, numbers(c.fields[6]));
        }
    }
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(ImportFixtures, ReadingLeavesTheFileAsItWas) {
    for (const std::string kind : {"xls", "ods", "csv", "xlsx"}) {
        const std::string path = file(kind);
        const auto past = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
        fs::last_write_time(path, past);
        const std::string before = bytesOf(path);

        EXPECT_EQ(readRange(path, "Sheet1", "A2", "B6").status, kReadOk) << kind;
        EXPECT_EQ(readRange(path, "Missing", "A2", "B6").status, kind == "csv" ? kReadOk : kSheetMissing);
        EXPECT_EQ(readRange(path, "Sheet1", "A2", "B8").status, kNotANumber);

        EXPECT_EQ(bytesOf(path), before) << kind;
        EXPECT_EQ(fs::last_write_time(path), past) << kind;
        // Nothing left beside it: no temporary copies, no lock files.
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 4) << kind;
    }
}

TEST_F(ImportFixtures, AFileThatIsNotThereOrNotAWorkbook) {
    EXPECT_EQ(readRange(file("none"), "Sheet1", "A1", "B2").status, kFileUnreadable);
    EXPECT_EQ(readRange(folder_.string(), "Sheet1", "A1", "B2").status, kNotASpreadsheet);

    // Text dressed up as a workbook, and a workbook cut short.
    std::ofstream(folder_ / "fake.xlsx") << "just some text\n";
    EXPECT_EQ(readRange((folder_ / "fake.xlsx").string(), "Sheet1", "A1", "B2").status, kNotASpreadsheet);
    const std::string whole = bytesOf(file("xlsx"));
    std::ofstream(folder_ / "cut.xlsx", std::ios::binary) << whole.substr(0, whole.size() / 2);
    EXPECT_EQ(readRange((folder_ / "cut.xlsx").string(), "Sheet1", "A1", "B2").status, kNotASpreadsheet);
    const std::string legacy = bytesOf(file("xls"));
    std::ofstream(folder_ / "cut.xls", std::ios::binary) << legacy.substr(0, legacy.size() / 2);
    EXPECT_EQ(readRange((folder_ / "cut.xls").string(), "Sheet1", "A1", "B2").status, kNotASpreadsheet);
}

TEST_F(ImportFixtures, TheKindOfWorkbookComesFromItsContent) {
    // A legacy workbook saved with a new extension, and the other way round.
    fs::copy_file(file("xls"), folder_ / "legacy.xlsx");
    fs::copy_file(file("xlsx"), folder_ / "modern.xls");
    EXPECT_EQ(readRange((folder_ / "legacy.xlsx").string(), "Sheet1", "A2", "B3").x, (std::vector<double>{1, 2}));
    EXPECT_EQ(readRange((folder_ / "modern.xls").string(), "Sheet1", "A2", "B3").x, (std::vector<double>{1, 2}));
}

}  // namespace
}  // namespace orrery
