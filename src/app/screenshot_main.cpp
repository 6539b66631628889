// Draws the main window as a new user sees it after typing a few curves, and
// saves it as a PNG: the pictures of the manual and the README come from the
// program itself. Runs on the offscreen platform, with the settings in memory.
//
//   orrery_screenshot OUT.png [WIDTH HEIGHT]

#include <QApplication>
#include <QImage>
#include <clocale>
#include <cstdlib>
#include <iostream>

#include "persistence/memory_settings_store.h"
#include "shell/command_ids.h"
#include "shell/qt/main_frame.h"
#include "common/qt/qt_dialog_service.h"
#include "common/qt/qt_message_service.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::cerr << "usage: orrery_screenshot OUT.png [WIDTH HEIGHT]\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int width = argc == 4 ? std::atoi(argv[2]) : 1100;
    const int height = argc == 4 ? std::atoi(argv[3]) : 720;

    orrery::MemorySettingsStore store;
    orrery::QtMessageService messages;
    orrery::QtDialogService dialogs;
    orrery::MainFrame frame(store, messages, dialogs);
    frame.resize(width, height);
    frame.show();
    QApplication::processEvents();
    // Three curves, typed as a person would.
    for (const char32_t* curve : {U"3sinx", U"x^2/4-2", U"cos2x"}) {
        if (!frame.typeCharacters(curve)) return 1;
        frame.runCommand(orrery::command::kNextCurve);
    }
    frame.runCommand(orrery::command::kLastCurve);
    frame.runCommand(orrery::command::kSketch);
    QApplication::processEvents();
    if (!frame.grab().toImage().save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "orrery_screenshot: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
