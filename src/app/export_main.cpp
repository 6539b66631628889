#include "app/export_main.h"

#include <QApplication>
#include <QGuiApplication>
#include <clocale>
#include <iostream>
#include <memory>

#include "common/qt/qt_dialog_service.h"
#include "common/qt/qt_message_service.h"
#include "graphing/qt/graph_widget.h"
#include "persistence/memory_settings_store.h"
#include "shell/qt/headless_export.h"
#include "shell/qt/main_frame.h"

namespace orrery {
namespace {

// The graph window's size in a new main window, measured on a real one that
// is never shown on a screen and keeps nothing between runs.
QSize newWindowGraphSize() {
    MemorySettingsStore store;
    QtMessageService messages;
    QtDialogService dialogs;
    MainFrame frame(store, messages, dialogs);
    // The offscreen platform's pretend screen is small: a new window on a
    // desktop opens at its full size.
    frame.resize(1100, 720);
    frame.show();
    QApplication::processEvents();
    return frame.graph().size();
}

// Standard error carries the export's own messages only, not Qt's remarks
// about the missing desktop.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
}

}  // namespace

int runExport(int argc, char** argv, ExportRequest request) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepSeriousMessages);
    // Widgets are needed only to measure a new window; a size given saves
    // their start-up.
    std::unique_ptr<QGuiApplication> app;
    if (request.width > 0 && request.height > 0)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (request.width <= 0 || request.height <= 0) {
        const QSize size = newWindowGraphSize();
        request.width = size.width();
        request.height = size.height();
    }
    return exportGraph(request, std::cerr);
}

}  // namespace orrery
