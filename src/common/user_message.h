#pragma once

#include <string>

namespace orrery {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// A problem or question for the user, returned by core code as a value.
// Windows show it through the one message service; the command line prints it.
struct UserMessage {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::Warning;
    MessageButtons buttons = MessageButtons::Ok;

    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

}  // namespace orrery
