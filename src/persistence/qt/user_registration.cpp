#include "persistence/qt/user_registration.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "persistence/desktop_registration.h"

namespace orrery {
namespace {

std::string packaged(const char* name) {
    QFile file(QStringLiteral(":/desktop/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void refresh(const QString& tool, const QString& folder, const ToolRunner& runTool) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty()) runTool(program, {folder});
}

}  // namespace

bool RegisterDocumentType(const QString& dataHome, const QString& executable, const ToolRunner& runTool) {
    const DesktopTemplates templates{packaged("orrery.desktop.in"), packaged("orrery-mime.xml"),
                                     packaged("orrery.svg"), packaged("application-x-orrery-graph.svg")};
    if (templates.entry.empty() || templates.mimePackage.empty() || executable.isEmpty()) return false;
    const RegistrationOutcome outcome = WriteRegistration(
        dataHome.toStdString(), RegistrationFiles(templates, executable.toStdString()));
    if (outcome.changed) {
        refresh(QStringLiteral("update-mime-database"), dataHome + QStringLiteral("/mime"), runTool);
        refresh(QStringLiteral("update-desktop-database"), dataHome + QStringLiteral("/applications"), runTool);
    }
    return outcome.written;
}

void RegisterDocumentTypeForCurrentUser() {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty()) return;
    RegisterDocumentType(dataHome, QCoreApplication::applicationFilePath(),
                         [](const QString& program, const QStringList& arguments) {
                             QProcess::startDetached(program, arguments);
                         });
}

}  // namespace orrery
