// The QSettings-backed store, on INI files under the test home.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "persistence/profiles.h"
#include "persistence/qt/qsettings_store.h"
#include "persistence/recent_file_values.h"

namespace orrery {
namespace {

class QSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = QDir::homePath() + QStringLiteral("/persistence-qt-%1-%2")
                                         .arg(::getpid())
                                         .arg(QString::fromUtf8(
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
        QDir(folder_).removeRecursively();
        QDir().mkpath(folder_);
        path_ = folder_ + QStringLiteral("/orrery.ini");
    }
    void TearDown() override { QDir(folder_).removeRecursively(); }

    QString folder_;
    QString path_;
};

TEST_F(QSettingsStoreTest, ValuesSurviveTheFile) {
    const std::vector<std::string> texts = {
        "plain",        "5.000000",          "",       "a, b, c",      "@not a variant", "  spaced  ",
        "x=y;#[z]\"q\"", "line\nbreak\ttab", "Grüße π", "back\\slash",  "\xFF\xFE raw bytes"};
    {
        QSettingsStore store(path_);
        for (std::size_t i = 0; i < texts.size(); ++i) store.write("QRV_097_QPL", "File" + std::to_string(i), texts[i]);
        store.write("097", "", "");
        ASSERT_TRUE(store.flush());
    }
    QSettingsStore reopened(path_);
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(reopened.read("QRV_097_QPL", "File" + std::to_string(i)), texts[i]) << i;
    EXPECT_EQ(reopened.read("097", ""), "");
    EXPECT_EQ(reopened.read("097", "missing"), std::nullopt);
    EXPECT_EQ(reopened.read("nokey", "File0"), std::nullopt);
}

TEST_F(QSettingsStoreTest, ProfileGroupsListAndDelete) {
    const std::vector<std::string> names = {"lab", "my lab", "ünï", "general", "a%b", "x=y", "[s]", "#c;d", "2024"};
    {
        QSettingsStore store(path_);
        GraphSettings settings;
        settings.axesType = 2;
        settings.lineStyles.assign(12, 3);
        for (const std::string& name : names) ASSERT_EQ(SaveProfile(store, name, settings), std::nullopt) << name;
        SaveRecentFiles(store, {"/tmp/a.qpl"});  // another key beside the profiles
        ASSERT_TRUE(store.flush());
    }
    QSettingsStore store(path_);
    std::vector<std::string> listed = ListProfiles(store);
    std::sort(listed.begin(), listed.end());
    std::vector<std::string> expected = names;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
    for (const std::string& name : names) {
        EXPECT_TRUE(ProfileExists(store, name)) << name;
        GraphSettings loaded;
        ASSERT_EQ(LoadProfile(store, name, loaded), std::nullopt) << name;
        EXPECT_EQ(loaded.axesType, 2) << name;
        EXPECT_EQ(loaded.lineStyles, std::vector<std::int32_t>(12, 3)) << name;
    }
    EXPECT_FALSE(ProfileExists(store, "lab2"));

    ASSERT_EQ(DeleteProfile(store, "My Lab"), std::nullopt);
    ASSERT_EQ(DeleteProfile(store, "never"), std::nullopt);
    EXPECT_FALSE(ProfileExists(store, "my lab"));
    EXPECT_TRUE(ProfileExists(store, "lab"));
    EXPECT_EQ(ListProfiles(QSettingsStore(path_)).size(), names.size() - 1);
    EXPECT_EQ(LoadRecentFiles(store), std::vector<std::string>{"/tmp/a.qpl"});
}

TEST_F(QSettingsStoreTest, TheUsersFileIsUnderTheConfigFolder) {
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Orrery/orrery.ini");
    EXPECT_EQ(QSettingsStore().fileName(), expected);
}

TEST_F(QSettingsStoreTest, FlushReportsAFileThatCannotBeWritten) {
    // A folder that is a file cannot hold the settings file, whoever runs the test.
    QFile blocker(folder_ + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettingsStore store(folder_ + QStringLiteral("/blocker/orrery.ini"));
    GraphSettings settings;
    const auto message = SaveProfile(store, "lab", settings);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->caption, "FILE ERROR");
}

}  // namespace
}  // namespace orrery
