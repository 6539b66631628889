#pragma once

#include "common/qt/dialog_service.h"

class QWidget;

namespace orrery {

// The desktop's own file and colour dialogs, owned by the given window.
class QtDialogService : public DialogService {
public:
    explicit QtDialogService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> openFileName(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;
    std::optional<ColorRef> chooseColor(ColorRef initial) override;
    bool openWithDesktop(const std::string& path) override;
    PrintOutcome print(const PrintJob& job) override;
    void setClipboardText(const std::string& text) override;
    void setClipboardImage(const QImage& image) override;
    std::string clipboardText() override;

private:
    // Notes the folder of a chosen path for the request's dialog.
    std::optional<std::string> remembered(const FileDialogRequest& request, std::optional<std::string> path);

    QWidget* parent_;
};

}  // namespace orrery
