#pragma once

#include <optional>
#include <string>

#include "common/color_ref.h"
#include "common/dialog_folders.h"
#include "common/qt/print_job.h"

class QImage;

namespace orrery {

// What a file dialog offers: its title, the filter lines ("Name (*.ext)"),
// the name it starts with, and for save dialogs the question before
// replacing an existing file.
struct FileDialogRequest {
    std::string title;
    std::string filter;  // Qt filter text, entries separated by ";;"
    std::string initialPath;
    FolderSlot folder = FolderSlot::None;  // which remembered folder it starts in
};

// The desktop's dialogs and services. The program shows real dialogs;
// tests answer from a script.
class DialogService {
public:
    virtual ~DialogService() = default;
    // A path, or nothing when the person cancelled.
    virtual std::optional<std::string> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<ColorRef> chooseColor(ColorRef initial) = 0;
    // Hands a file to the desktop's default application; false when that failed.
    virtual bool openWithDesktop(const std::string& path) = 0;

    // Printing: the print dialog (or, with no printer on the machine, a PDF
    // file chosen by the person), then every page of the job, with a way to
    // cancel after the current page.
    virtual PrintOutcome print(const PrintJob& job) = 0;

    // The clipboard: text and pictures.
    virtual void setClipboardText(const std::string& text) = 0;
    virtual void setClipboardImage(const QImage& image) = 0;
    virtual std::string clipboardText() = 0;

    // The folders the file dialogs last used; the frame keeps them between runs.
    DialogFolders& folders() { return folders_; }

private:
    DialogFolders folders_;
};

}  // namespace orrery
