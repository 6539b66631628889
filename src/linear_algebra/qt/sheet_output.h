#pragma once

#include <QSize>
#include <functional>
#include <string>

namespace orrery {

class DialogService;
class MessageService;
struct SheetPicture;

// What the Matrices and Vectors windows and their previews do with a picture.
class SheetOutput {
public:
    SheetOutput(MessageService& messages, DialogService& dialogs) : messages_(messages), dialogs_(dialogs) {}

    // One page, named after the window that prints it.
    void print(const std::string& title, const SheetPicture& picture);
    // The picture as an image of the window's size (taller if it needs to be).
    void copy(const SheetPicture& picture, QSize size);
    // The help items: the program's help at the window's own section, or
    // "Help coming" where no help is connected.
    void setHelp(std::function<void()> open) { openHelp_ = std::move(open); }
    void help();
    // Tells about a picture that does not know its operation; it is still shown.
    void reportProblem(const SheetPicture& picture);

    MessageService& messages() { return messages_; }
    DialogService& dialogs() { return dialogs_; }

private:
    MessageService& messages_;
    DialogService& dialogs_;
    std::function<void()> openHelp_;
};

}  // namespace orrery
