#pragma once

#include <QSize>
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
    // The help items, until the help pages for these windows are written.
    void helpComing();
    // Tells about a picture that does not know its operation; it is still shown.
    void reportProblem(const SheetPicture& picture);

    MessageService& messages() { return messages_; }
    DialogService& dialogs() { return dialogs_; }

private:
    MessageService& messages_;
    DialogService& dialogs_;
};

}  // namespace orrery
