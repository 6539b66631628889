#pragma once

// Stand-ins for the message and dialog seams: they record what the windows
// showed and answer from a script, so no test waits on a modal box.
#include <QImage>
#include <QPainter>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/qt/dialog_service.h"
#include "common/qt/message_service.h"

namespace orrery::testing {

class RecordingMessageService : public MessageService {
public:
    // Answers given to questions in order; when none is left, questions get
    // Cancel and plain messages Ok.
    std::deque<MessageAnswer> answers;
    std::vector<UserMessage> shown;

    MessageAnswer show(const UserMessage& message) override {
        shown.push_back(message);
        if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::Cancel;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> captions() const {
        std::vector<std::string> out;
        for (const UserMessage& m : shown) out.push_back(m.caption);
        return out;
    }
};

class ScriptedDialogService : public DialogService {
public:
    // Paths and colours handed out in order; an empty entry (or none left)
    // is a cancelled dialog.
    std::deque<std::optional<std::string>> paths;
    std::deque<std::optional<ColorRef>> colors;
    std::vector<FileDialogRequest> requests;
    std::vector<std::string> openedWithDesktop;
    bool desktopSucceeds = true;

    std::optional<std::string> openFileName(const FileDialogRequest& request) override {
        return nextPath(request);
    }
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override {
        return nextPath(request);
    }
    std::optional<ColorRef> chooseColor(ColorRef) override {
        if (colors.empty()) return std::nullopt;
        const std::optional<ColorRef> color = colors.front();
        colors.pop_front();
        return color;
    }
    bool openWithDesktop(const std::string& path) override {
        openedWithDesktop.push_back(path);
        return desktopSucceeds;
    }

    // Printing: each job's pages are painted onto images of pageSize, white
    // first, as a printer would receive them. cancelAfterPages stops a job
    // after that many pages, as the Cancel Printing button does.
    QSize pageSize{850, 1100};
    int cancelAfterPages = -1;
    PrintOutcome printOutcome = PrintOutcome::Printed;  // when not cancelled
    std::vector<std::string> printTitles;
    std::vector<QImage> printedPages;

    PrintOutcome print(const PrintJob& job) override {
        printTitles.push_back(job.title);
        if (printOutcome != PrintOutcome::Printed) return printOutcome;
        for (int index = 0; index < job.pages; ++index) {
            if (cancelAfterPages >= 0 && index >= cancelAfterPages) return PrintOutcome::Cancelled;
            QImage page(pageSize, QImage::Format_RGB32);
            page.fill(Qt::white);
            QPainter painter(&page);
            job.paintPage(painter, QRect(QPoint(0, 0), pageSize), index);
            painter.end();
            printedPages.push_back(page);
        }
        return PrintOutcome::Printed;
    }

    // The clipboard.
    std::string clipboard;
    QImage clipboardPicture;
    void setClipboardText(const std::string& text) override { clipboard = text; }
    void setClipboardImage(const QImage& image) override { clipboardPicture = image; }
    std::string clipboardText() override { return clipboard; }

private:
    std::optional<std::string> nextPath(const FileDialogRequest& request) {
        requests.push_back(request);
        if (paths.empty()) return std::nullopt;
        const std::optional<std::string> path = paths.front();
        paths.pop_front();
        return path;
    }
};

}  // namespace orrery::testing
