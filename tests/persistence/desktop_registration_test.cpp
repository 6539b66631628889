// The user's desktop registration: the Exec line and the files written once.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "persistence/desktop_registration.h"

namespace orrery {
namespace {

namespace fs = std::filesystem;

TEST(DesktopRegistration, ExecArgumentQuotesWhatTheDesktopWouldSplitOrExpand) {
    struct Case {
        std::string path;
        std::string argument;
    };
    const Case cases[] = {
        {"/usr/local/bin/orrery", "/usr/local/bin/orrery"},
        {"/home/ann/My Programs/orrery", "\"/home/ann/My Programs/orrery\""},
        {"/opt/100%/orrery", "/opt/100%%/orrery"},
        // In the file a quote, dollar or backtick takes two backslashes, a backslash four.
        {"/opt/a$b/orrery", "\"/opt/a\\\\$b/orrery\""},
        {"/opt/say \"hi\"/orrery", "\"/opt/say \\\\\"hi\\\\\"/orrery\""},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
        {"/opt/it's/o`k`", "\"/opt/it's/o\\\\`k\\\\`\""},
        {"/opt/two\nlines", "\"/opt/two\\nlines\""},
    };
    for (const Case& c : cases) EXPECT_EQ(DesktopExecArgument(c.path), c.argument) << c.path;
    EXPECT_EQ(FillDesktopEntry("Name=Orrery\nExec=@ORRERY_EXEC@ %f\n", "/a b/orrery"),
              "Name=Orrery\nExec=\"/a b/orrery\" %f\n");
}

class RegistrationFolder : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::temp_directory_path() / ("orrery-registration-" + std::to_string(::getpid()));
        fs::remove_all(home_);
        fs::create_directories(home_);
    }
    void TearDown() override { fs::remove_all(home_); }

    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path home_;
    const std::vector<DesktopFile> files_{{"mime/packages/orrery.xml", "<mime-info/>\n"},
                                          {"applications/orrery.desktop", "[Desktop Entry]\n"}};
};

TEST_F(RegistrationFolder, WritesEachFileAndLaterStartsChangeNothing) {
    const RegistrationOutcome first = WriteRegistration(home_, files_);
    EXPECT_TRUE(first.written);
    EXPECT_TRUE(first.changed);
    EXPECT_EQ(contents(home_ / "mime/packages/orrery.xml"), "<mime-info/>\n");
    EXPECT_EQ(contents(home_ / "applications/orrery.desktop"), "[Desktop Entry]\n");
    const auto stamp = fs::last_write_time(home_ / "applications/orrery.desktop");

    const RegistrationOutcome second = WriteRegistration(home_, files_);
    EXPECT_TRUE(second.written);
    EXPECT_FALSE(second.changed);
    EXPECT_EQ(fs::last_write_time(home_ / "applications/orrery.desktop"), stamp);

    // An entry edited by hand, or left by a program that moved, is put right.
    std::ofstream(home_ / "applications/orrery.desktop") << "Exec=/old/place/orrery %f\n";
    const RegistrationOutcome repaired = WriteRegistration(home_, files_);
    EXPECT_TRUE(repaired.changed);
    EXPECT_EQ(contents(home_ / "applications/orrery.desktop"), "[Desktop Entry]\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(home_ / "applications"), fs::directory_iterator()), 1);
}

TEST_F(RegistrationFolder, FailsQuietlyWhereNothingCanBeWritten) {
    // A file where a folder should be: no folder can be made below it, even for root.
    std::ofstream(home_ / "mime") << "not a folder";
    EXPECT_FALSE(WriteRegistration(home_, files_).written);
    EXPECT_FALSE(fs::exists(home_ / "applications"));  // stopped at the first failure
    EXPECT_FALSE(WriteRegistration(home_ / "mime", files_).written);
    // A relative data folder is not trusted: it would land wherever the program was started.
    EXPECT_FALSE(WriteRegistration("relative/share", files_).written);
    EXPECT_FALSE(WriteRegistration("", files_).written);
    EXPECT_FALSE(fs::exists("relative"));
}

}  // namespace
}  // namespace orrery
