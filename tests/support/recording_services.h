#pragma once

// Stand-ins for the message and dialog seams: they record what the windows
// showed and answer from a script, so no test waits on a modal box.
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
