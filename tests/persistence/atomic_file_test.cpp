// Saving through a temporary file: the old file survives every failure.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "document_fixtures.h"
#include "persistence/atomic_file.h"
#include "persistence/document_file.h"

namespace orrery {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("orrery-atomic-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void put(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

const auto kWriteNew = [](std::ostream& out) { return static_cast<bool>(out << "new contents"); };

TEST_F(AtomicFile, ReplacesTheTargetAndKeepsItsPermissions) {
    const fs::path target = folder_ / "graph.qpl";
    put(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(writeFileAtomically(target, kWriteNew), AtomicWriteResult::Written);
    EXPECT_EQ(contents(target), "new contents");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFile, FailingWriterLeavesTheOldFileAndNoTemporary) {
    const fs::path target = folder_ / "graph.qpl";
    put(target, "old");
    const auto failing = [](std::ostream& out) {
        out << "half";
        return false;
    };
    EXPECT_EQ(writeFileAtomically(target, failing), AtomicWriteResult::WriteFailed);
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFile, FolderThatCannotTakeTheFileCannotCreate) {
    EXPECT_EQ(writeFileAtomically(folder_ / "none" / "graph.qpl", kWriteNew), AtomicWriteResult::CannotCreate);
    put(folder_ / "plain", "a file, not a folder");
    EXPECT_EQ(writeFileAtomically(folder_ / "plain" / "graph.qpl", kWriteNew), AtomicWriteResult::CannotCreate);
    EXPECT_EQ(entries(), 1u);
    if (::geteuid() == 0) return;  // root writes into read-only folders
    const fs::path target = folder_ / "graph.qpl";
    put(target, "old");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(writeFileAtomically(target, kWriteNew), AtomicWriteResult::CannotCreate);
    EXPECT_EQ(contents(target), "old");
}

TEST_F(AtomicFile, SymbolicLinksKeepPointingWhereTheyPoint) {
    const fs::path real = folder_ / "real.qpl";
    put(real, "old");
    fs::create_symlink(real, folder_ / "link.qpl");
    fs::create_symlink("link.qpl", folder_ / "chain.qpl");           // relative, through a link
    fs::create_symlink(folder_ / "made.qpl", folder_ / "dangling.qpl");  // names a file not there yet
    fs::create_symlink("loop-b.qpl", folder_ / "loop-a.qpl");
    fs::create_symlink("loop-a.qpl", folder_ / "loop-b.qpl");

    struct Case {
        const char* saved;
        AtomicWriteResult result;
        const char* written;  // the file that then holds the new contents
    };
    for (const Case& c : {Case{"link.qpl", AtomicWriteResult::Written, "real.qpl"},
                          Case{"chain.qpl", AtomicWriteResult::Written, "real.qpl"},
                          Case{"dangling.qpl", AtomicWriteResult::Written, "made.qpl"},
                          Case{"loop-a.qpl", AtomicWriteResult::CannotCreate, nullptr}}) {
        put(real, "old");
        EXPECT_EQ(writeFileAtomically(folder_ / c.saved, kWriteNew), c.result) << c.saved;
        EXPECT_TRUE(fs::is_symlink(folder_ / c.saved)) << c.saved;
        if (c.written) {
            EXPECT_EQ(contents(folder_ / c.written), "new contents") << c.saved;
        }
    }
    EXPECT_TRUE(fs::is_symlink(folder_ / "loop-b.qpl"));
    EXPECT_EQ(entries(), 7u);  // no temporary left behind
}

TEST_F(AtomicFile, LongNamesSaveAndKilledSavesAreCleanedUp) {
    // The longest name a Linux folder takes still saves: the temporary name is short.
    const fs::path longest = folder_ / (std::string(251, 'g') + ".qpl");
    EXPECT_EQ(writeFileAtomically(longest, kWriteNew), AtomicWriteResult::Written);

    // A temporary of a process that has gone is removed by the next save;
    // one of a live process and files of other names stay.
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const std::string gone = ".orrery-" + std::to_string(child) + "-3.tmp";
    const std::string live = ".orrery-" + std::to_string(::getppid()) + "-0.tmp";
    for (const std::string& name : {gone, live, std::string("notes.tmp")}) put(folder_ / name, "x");
    EXPECT_EQ(writeFileAtomically(folder_ / "graph.qpl", kWriteNew), AtomicWriteResult::Written);
    EXPECT_FALSE(fs::exists(folder_ / gone));
    EXPECT_TRUE(fs::exists(folder_ / live));
    EXPECT_TRUE(fs::exists(folder_ / "notes.tmp"));
}

TEST_F(AtomicFile, SavedDocumentReadsBackAndAFailedSaveStaysModified) {
    testing::Model m = testing::richModel();
    m.settings.modified = true;
    const fs::path target = folder_ / "graph.qpl";
    EXPECT_EQ(saveDocumentFile(target, m.settings, m.document), std::nullopt);
    EXPECT_FALSE(m.settings.modified);
    EXPECT_EQ(contents(target), testing::fileBytes(testing::richModel()));

    m.settings.modified = true;
    const fs::path nowhere = folder_ / "missing" / "graph.qpl";
    const auto message = saveDocumentFile(nowhere, m.settings, m.document);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->caption, "Orrery_742");
    EXPECT_EQ(message->text, "Could not save the file: " + nowhere.string());
    EXPECT_TRUE(m.settings.modified);
}

}  // namespace
}  // namespace orrery
