#include "statistics/qt/statistics_windows.h"

#include <QMainWindow>

#include "common/qt/frame_hooks.h"
#include "shell/command_ids.h"
#include "statistics/control_strip.h"

namespace orrery {
namespace {

struct MenuItem {
    int command;
    DistributionKind kind;
};
constexpr MenuItem kItems[] = {{command::kNormalDistribution, DistributionKind::Normal},
                               {command::kTDistribution, DistributionKind::T},
                               {command::kFDistribution, DistributionKind::F},
                               {command::kChiSquareDistribution, DistributionKind::ChiSquare}};

// The main window's client size: its central widget where it has one.
QSize frameClientSize(QWidget* frame) {
    if (const auto* main = qobject_cast<QMainWindow*>(frame); main && main->centralWidget())
        return main->centralWidget()->size();
    return frame->size();
}

}  // namespace

StatisticsWindows::StatisticsWindows(GraphSettings& settings, MessageService& messages,
                                     DialogService& dialogs, FrameHooks& frame)
    : services_{settings, messages, dialogs, frame} {}

StatisticsWindows::~StatisticsWindows() {
    // The windows use the distributions owned here.
    for (DistributionWindow* window : openWindows()) delete window;
}

std::vector<int> StatisticsWindows::commands() const {
    std::vector<int> ids;
    for (const MenuItem& item : kItems) ids.push_back(item.command);
    return ids;
}

void StatisticsWindows::run(int command) {
    for (const MenuItem& item : kItems) {
        if (item.command != command) continue;
        QWidget* frame = services_.frame.frameWindow();
        auto* window = new DistributionWindow(item.kind, distributions_, services_, frame);
        window->setAttribute(Qt::WA_DeleteOnClose);
        const QSize client = frameClientSize(frame);
        const WindowSize size = statisticsWindowSize(client.width(), client.height());
        window->resize(size.width, size.height);
        window->move(10, 10);
        window->show();
        window->raise();
        window->activateWindow();
        windows_.emplace_back(window);
        return;
    }
}

std::vector<DistributionWindow*> StatisticsWindows::openWindows() const {
    std::vector<DistributionWindow*> open;
    for (const QPointer<DistributionWindow>& window : windows_)
        if (window) open.push_back(window.data());
    return open;
}

void StatisticsWindows::settingsChanged() {
    std::erase_if(windows_,
                  [](const QPointer<DistributionWindow>& window) { return window.isNull(); });
    for (DistributionWindow* window : openWindows()) window->client()->update();
}

}  // namespace orrery
