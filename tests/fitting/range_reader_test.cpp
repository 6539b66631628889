// Runs import_cases.txt on every fixture format and office_cases.txt on the
// workbooks LibreOffice saved, and checks what reading does (and does not
// do) to the user's file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/c_numeric.h"
#include "fitting/range_reader.h"
#include "fitting/spreadsheet_source.h"
#include "support/case_file.h"
#include "xlsx_fixture.h"

namespace orrery {
namespace {

namespace fs = std::filesystem;

std::vector<double> numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> values;
    for (std::string w; in >> w;) values.push_back(parseDoubleC(w));
    return values;
}

// The numbers of a case field, or none for "-".
std::vector<double> caseNumbers(const std::string& text) { return text == "-" ? std::vector<double>{} : numbers(text); }

bool appliesTo(const std::string& kinds, const std::string& kind) {
    return kinds == "all" || (" " + kinds + " ").find(" " + kind + " ") != std::string::npos;
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
        for (const auto& entry : fs::directory_iterator(fs::path(ORRERY_TEST_DATA_DIR) / "data"))
            if (entry.path().extension() != ".py") fs::copy_file(entry.path(), folder_ / entry.path().filename());
        test::writeXlsxFixture(folder_.string());
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string file(const std::string& kind, const std::string& workbook = "points") const {
        return (folder_ / (workbook + "." + kind)).string();
    }
    std::size_t fileCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

TEST_F(ImportFixtures, EveryCaseOfTheTableOnEveryFormat) {
    testing::forEachCase(std::string(ORRERY_TEST_DATA_DIR) + "/import_cases.txt", 12, [&](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 7u) << "malformed line";
        for (const std::string kind : {"xls", "ods", "csv", "xlsx"}) {
            if (!appliesTo(c.fields[0], kind)) continue;
            const RangeRead read = readRange(file(kind), c.fields[1], c.fields[2], c.fields[3]);
            EXPECT_EQ(read.status, scanInt(c.fields[4]).value_or(-1)) << kind;
            EXPECT_EQ(read.x, caseNumbers(c.fields[5])) << kind;
            EXPECT_EQ(read.y, caseNumbers(c.fields[6])) << kind;
        }
    });
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(ImportFixtures, ReadingLeavesTheFileAsItWas) {
    const std::size_t files = fileCount();
    for (const std::string kind : {"xls", "ods", "csv", "xlsx"}) {
        const std::string path = file(kind);
        SCOPED_TRACE(path);
        const auto past = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
        fs::last_write_time(path, past);
        // Read-only for everyone: the import needs no more.
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const std::string before = bytesOf(path);

        EXPECT_EQ(readRange(path, "Sheet1", "A2", "B6").status, kReadOk);
        EXPECT_EQ(readRange(path, "Missing", "A2", "B6").status, kind == "csv" ? kReadOk : kSheetMissing);
        EXPECT_EQ(readRange(path, "Sheet1", "A2", "B8").status, kNotANumber);

        EXPECT_EQ(bytesOf(path), before);
        EXPECT_EQ(fs::last_write_time(path), past);
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        // Nothing left beside it: no temporary copies, no lock files.
        EXPECT_EQ(fileCount(), files);
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

// A relationship in an .xlsx package leads from the folder of the part that
// holds it, or from the root when its target starts with "/"; a target
// outside the package, or through a folder that is not there, leads nowhere.
// (The last one made libgsf's own following of relationships leak; the
// sanitizer build catches that.)
TEST_F(ImportFixtures, XlsxRelationshipsLeadToTheirPartsOrNowhere) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"rels_absolute", kReadOk}, {"rels_outside", kNotASpreadsheet}, {"rels_missing_folder", kNotASpreadsheet}};
    for (const auto& [workbook, status] : cases) {
        SCOPED_TRACE(workbook);
        const RangeRead read = readRange(file("xlsx", workbook), "Sheet1", "A2", "B2");
        EXPECT_EQ(read.status, status);
        if (status == kReadOk) {
            EXPECT_EQ(read.y, std::vector<double>{4});
        }
    }
}

// libgsf prints some complaints about a damaged package outright, beside
// those it logs; the import keeps both off the terminal.
TEST_F(ImportFixtures, ADamagedPackageLeavesTheTerminalQuiet) {
    std::string bytes = bytesOf(file("xlsx"));
    // Every part's local header but the first loses its signature.
    for (std::size_t at = bytes.find("PK\x03\x04", 4); at != std::string::npos; at = bytes.find("PK\x03\x04", at))
        bytes[at + 3] = '\x05';
    const std::string damaged = (folder_ / "damaged.xlsx").string();
    std::ofstream(damaged, std::ios::binary) << bytes;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = readRange(damaged, "Sheet1", "A2", "B6").status;
    const std::string out = ::testing::internal::GetCapturedStdout();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, kNotASpreadsheet);
    EXPECT_EQ(out + err, "");
}


TEST_F(ImportFixtures, DamagedWorkbooksAreRefusedOrReadButNeverCrash) {
    // Bytes changed at random, and files cut short, in each kind of
    // workbook; under the sanitizers this finds any read out of bounds.
    std::mt19937 random(20);
    const std::string damaged = (folder_ / "damaged").string();
    for (const std::string& original : {file("xls", "office"), file("xlsx", "office"), file("ods", "office")}) {
        const std::string bytes = bytesOf(original);
        for (int trial = 0; trial < 150; ++trial) {
            std::string copy = bytes;
            if (trial % 3 == 0) {
                copy.resize(random() % copy.size());
            } else {
                for (int n = 1 + static_cast<int>(random() % 8); n > 0; --n)
                    copy[random() % copy.size()] = static_cast<char>(random());
            }
            std::ofstream(damaged, std::ios::binary | std::ios::trunc) << copy;
            const int status = readRange(damaged, "Formats", "A1", "B10").status;
            EXPECT_TRUE(status == kReadOk || status == kNotASpreadsheet || status == kSheetMissing ||
                        status == kNotANumber)
                << original << " trial " << trial << ": " << status;
        }
    }
}

TEST_F(ImportFixtures, ProgressClimbsToAHundredWhileTheFileIsRead) {
    for (const std::string kind : {"xlsx", "ods", "xls", "csv"}) {
        SCOPED_TRACE(kind);
        std::vector<int> seen;
        const RangeRead read = readRange(file(kind), "Sheet1", "A2", "B6", [&](int percent) { seen.push_back(percent); });
        ASSERT_EQ(read.status, kReadOk);
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.front(), 0);
        EXPECT_EQ(seen.back(), 100);
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
        EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "each percentage once";
    }
}

TEST_F(ImportFixtures, OfficeWorkbooksGiveTheNumbersTheyStoreThroughTheDialogsImport) {
    testing::forEachCase(std::string(ORRERY_TEST_DATA_DIR) + "/office_cases.txt", 12, [&](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 7u) << "malformed line";
        const auto& [kinds, workbook, sheet, range, message, x, y] =
            std::tie(c.fields[0], c.fields[1], c.fields[2], c.fields[3], c.fields[4], c.fields[5], c.fields[6]);
        for (const std::string kind : {"xlsx", "ods", "xls", "csv"}) {
            if (!appliesTo(kinds, kind)) continue;
            SCOPED_TRACE(kind);
            SpreadsheetSource source;
            // LibreOffice saves each sheet of a workbook as a .csv of its own.
            source.setFilePath(kind == "csv" ? (folder_ / (workbook + "-" + sheet + ".csv")).string()
                                             : file(kind, workbook));
            source.setSheetName(sheet);
            source.setTopLeft(range.substr(0, range.find(':')));
            source.setBottomRight(range.substr(range.find(':') + 1));
            // A previous import that a refusal must leave in place.
            const std::vector<double> previous = source.x();
            const std::optional<UserMessage> refusal = source.importColumns();
            if (message == "-") {
                EXPECT_FALSE(refusal) << refusal->caption << ": " << refusal->text;
                EXPECT_EQ(source.x(), caseNumbers(x));
                EXPECT_EQ(source.y(), caseNumbers(y));
            } else {
                ASSERT_TRUE(refusal);
                EXPECT_EQ(refusal->caption + ": " + refusal->text, message);
                EXPECT_EQ(source.x(), previous);
            }
        }
    });
}

}  // namespace
}  // namespace orrery
