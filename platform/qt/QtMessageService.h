#pragma once

#include "platform/MessageService.h"

namespace pellucors {

// Message boxes as QMessageBox, modal over the program's active window.
class QtMessageService final : public MessageService {
public:
    MessageAnswer Show(const std::string& title, const std::string& text, MessageIcon icon,
                       MessageButtons buttons) override;
};

} // namespace pellucors
