#pragma once

#include <QPointer>

#include "common/qt/command_module.h"

class QWidget;

namespace orrery {

class DialogService;
class FrameHooks;
class MatricesWindow;
class MessageService;
class VectorsWindow;

// The Linear Algebra menu's Matrices and Vectors windows: one of each at a
// time, brought to the front when asked for again. Closing a window discards
// its operands.
class LinearAlgebraWindows : public CommandModule {
public:
    LinearAlgebraWindows(MessageService& messages, DialogService& dialogs, FrameHooks& frame);
    ~LinearAlgebraWindows() override;

    std::vector<int> commands() const override;
    void run(int command) override;

    // The open windows, or nullptr.
    MatricesWindow* matrices() const;
    VectorsWindow* vectors() const;

private:
    void present(QWidget& window, bool created);

    MessageService& messages_;
    DialogService& dialogs_;
    FrameHooks& frame_;
    QPointer<MatricesWindow> matrices_;
    QPointer<VectorsWindow> vectors_;
};

}  // namespace orrery
