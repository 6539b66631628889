#pragma once

#include "common/qt/message_service.h"

class QWidget;

namespace orrery {

// Message boxes owned by the given window.
class QtMessageService : public MessageService {
public:
    explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer show(const UserMessage& message) override;

private:
    QWidget* parent_;
};

}  // namespace orrery
