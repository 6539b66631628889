// Registering .qpl documents for the user, with the files the program carries.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "persistence/qt/user_registration.h"

namespace orrery {
namespace {

QString contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(UserRegistration, RegistersDocumentsThatOpenInTheRunningProgram) {
    QTemporaryDir dataHome;
    ASSERT_TRUE(dataHome.isValid());
    QStringList tools;
    const ToolRunner record = [&tools](const QString& program, const QStringList& arguments) {
        tools << QFileInfo(program).fileName() + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
    };
    const QString executable = QStringLiteral("/home/ann/Orrery build/orrery");
    ASSERT_TRUE(RegisterDocumentType(dataHome.path(), executable, record));

    const QString mime = contents(dataHome.filePath(QStringLiteral("mime/packages/orrery.xml")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<mime-type type=\"application/x-orrery-graph\">")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.qpl\"/>")));
    const QString entry = contents(dataHome.filePath(QStringLiteral("applications/orrery.desktop")));
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"/home/ann/Orrery build/orrery\" %f\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nMimeType=application/x-orrery-graph;\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=orrery\n")));
    for (const char* icon : {"icons/hicolor/scalable/apps/orrery.svg",
                             "icons/hicolor/scalable/mimetypes/application-x-orrery-graph.svg"})
        EXPECT_TRUE(contents(dataHome.filePath(QString::fromLatin1(icon))).contains(QStringLiteral("<svg")))
            << icon;

    // The databases are refreshed where the machine has the tools, and only
    // when something changed: the second start writes and runs nothing.
    QStringList expected;
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        expected << QStringLiteral("update-mime-database ") + dataHome.filePath(QStringLiteral("mime"));
    if (!QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
        expected << QStringLiteral("update-desktop-database ") + dataHome.filePath(QStringLiteral("applications"));
    EXPECT_EQ(tools, expected);
    tools.clear();
    ASSERT_TRUE(RegisterDocumentType(dataHome.path(), executable, record));
    EXPECT_TRUE(tools.isEmpty());
    // A moved program rewrites the entry, so the databases are refreshed again.
    ASSERT_TRUE(RegisterDocumentType(dataHome.path(), QStringLiteral("/usr/bin/orrery"), record));
    EXPECT_EQ(tools, expected);
}

}  // namespace
}  // namespace orrery
