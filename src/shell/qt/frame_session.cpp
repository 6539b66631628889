// The main window as the last run left it: geometry and window state, the
// layout of calculator and graph, and the file dialogs' folders.
#include <QGuiApplication>
#include <QScreen>

#include "common/qt/dialog_service.h"
#include "persistence/session_values.h"
#include "shell/qt/main_frame.h"

namespace orrery {

namespace {

ScreenRect toScreenRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

constexpr FolderSlot kRememberedFolders[] = {FolderSlot::Open, FolderSlot::Save, FolderSlot::Export};

}  // namespace

void MainFrame::restoreSession() {
    const SessionState session = LoadSession(store_);
    for (FolderSlot slot : kRememberedFolders) dialogs_.folders().setFolder(slot, session.folder(slot));
    // The layout is part of the look, not of any document: changing it here
    // is no change to save.
    if (session.splitScreen) settings_.splitScreen = *session.splitScreen;
    if (session.calculatorProportion) settings_.calculatorProportion = *session.calculatorProportion;
    if (!session.placement) return;

    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens.push_back(toScreenRect(screen->availableGeometry()));
    const QScreen* primary = QGuiApplication::primaryScreen();
    const WindowPlacement placed =
        placeOnScreens(*session.placement, screens, primary ? toScreenRect(primary->availableGeometry()) : ScreenRect{});
    const ScreenRect& g = placed.geometry;
    setGeometry(g.x, g.y, g.width, g.height);
    Qt::WindowStates state = Qt::WindowNoState;
    if (placed.maximized) state |= Qt::WindowMaximized;
    if (placed.fullScreen) state |= Qt::WindowFullScreen;
    setWindowState(state);
}

void MainFrame::saveSession() {
    SessionState session;
    // The ordinary geometry, so that leaving the maximised state later
    // returns to the size the person chose.
    const bool laidOver = isMaximized() || isFullScreen();
    const QRect g = laidOver ? normalGeometry() : geometry();
    if (g.isValid()) session.placement = WindowPlacement{toScreenRect(g), isMaximized(), isFullScreen()};
    session.splitScreen = settings_.splitScreen;
    session.calculatorProportion = settings_.calculatorProportion;
    for (FolderSlot slot : kRememberedFolders) session.folder(slot) = dialogs_.folders().folder(slot);
    SaveSession(store_, session);
}

}  // namespace orrery
