#include "linear_algebra/qt/linear_algebra_windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "common/qt/frame_hooks.h"
#include "linear_algebra/qt/matrices_window.h"
#include "linear_algebra/qt/vectors_window.h"
#include "shell/command_ids.h"

namespace orrery {

LinearAlgebraWindows::LinearAlgebraWindows(MessageService& messages, DialogService& dialogs, FrameHooks& frame)
    : messages_(messages), dialogs_(dialogs), frame_(frame) {}

// The windows are children of the frame, which deletes them; close any that
// are still open, so none outlives the services it uses.
LinearAlgebraWindows::~LinearAlgebraWindows() {
    delete matrices_.data();
    delete vectors_.data();
}

MatricesWindow* LinearAlgebraWindows::matrices() const { return matrices_; }
VectorsWindow* LinearAlgebraWindows::vectors() const { return vectors_; }

std::vector<int> LinearAlgebraWindows::commands() const { return {command::kMatrices, command::kVectors}; }

void LinearAlgebraWindows::run(int command) {
    if (command == command::kMatrices) {
        const bool created = !matrices_;
        if (created) {
            matrices_ = new MatricesWindow(messages_, dialogs_, frame_.frameWindow());
            matrices_->setHelp([this] { frame_.showHelp("matrices#matrices"); });
        }
        present(*matrices_, created);
    } else if (command == command::kVectors) {
        const bool created = !vectors_;
        if (created) {
            vectors_ = new VectorsWindow(messages_, dialogs_, frame_.frameWindow());
            vectors_->setHelp([this] { frame_.showHelp("matrices#vectors"); });
        }
        present(*vectors_, created);
    }
}

void LinearAlgebraWindows::present(QWidget& window, bool created) {
    if (created) {
        window.setAttribute(Qt::WA_DeleteOnClose);
        QWidget* frame = frame_.frameWindow();
        QScreen* screen = frame && frame->screen() ? frame->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1080, 830);
        window.resize(std::min(1000, area.width() - 80), std::min(750, area.height() - 80));
        window.move(area.topLeft() + QPoint(20, 20));
    }
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace orrery
