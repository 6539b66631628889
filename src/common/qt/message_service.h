#pragma once

#include "common/user_message.h"

namespace orrery {

// The button a person chose in a message box.
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Shows every message and question of the windows. The program uses message
// boxes; tests record the messages and answer from a script, so no test ever
// waits on a modal box.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const UserMessage& message) = 0;
};

}  // namespace orrery
