#include "app/gui_main.h"

#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdlib>
#include <iostream>

#include "app/command_line.h"
#include "common/qt/qt_dialog_service.h"
#include "common/qt/qt_message_service.h"
#include "persistence/qt/qsettings_store.h"
#include "persistence/qt/user_registration.h"
#include "persistence/tip_number.h"
#include "shell/command_ids.h"
#include "shell/qt/app_icon.h"
#include "shell/qt/main_frame.h"

namespace orrery {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

int runWindows(int argc, char** argv, std::vector<std::string> documents) {
    // Without a display Qt would abort; say so plainly instead.
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("QT_QPA_PLATFORM")) {
        std::cerr << "orrery: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
                     "set); orrery --help lists what works without one.\n";
        return 1;
    }
    QApplication app(argc, argv);
    // Qt has taken its own options out of the arguments; they are no documents.
    documents = documentsLeft(documents, std::vector<std::string>(argv + 1, argv + argc));
    // Numbers in text are always read and written the C way, whatever the
    // desktop's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Orrery"));
    QApplication::setOrganizationName(QStringLiteral("Orrery"));
    QApplication::setWindowIcon(appIcon());
    // .qpl documents open in this program from the file manager; silent when it cannot be done.
    RegisterDocumentTypeForCurrentUser();

    QSettingsStore store;
    QtMessageService messages;
    QtDialogService dialogs;
    MainFrame frame(store, messages, dialogs);
    messages.setParent(&frame);
    dialogs.setParent(&frame);
    frame.show();
    if (ReadShowTips(store)) frame.runCommand(command::kTipOfTheDay);
    if (!documents.empty()) {
        // Opened once the window is on screen, so its messages have a parent to sit on.
        const std::string path = documents.front();
        QTimer::singleShot(0, &frame, [&frame, path] { frame.openFromCommandLine(path); });
    }
    return app.exec();
}

}  // namespace orrery
