#pragma once

#include <string>

namespace pellucors {

enum class MessageIcon { Information, Exclamation, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The program's only way to talk to the user about a problem: one modal box.
// Texts are UTF-8; lines inside `text` are joined by "\r\n".
class MessageService {
public:
    virtual ~MessageService() = default;
    // Returns only when the box is closed, with the button pressed.
    virtual MessageAnswer Show(const std::string& title, const std::string& text, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

// One of the program's messages answered with OK: its title, its text (lines
// joined by "\r\n") and its icon.
struct OkMessage {
    const char* title;
    const char* text;
    MessageIcon icon;
};

inline void ShowOk(MessageService& messages, const OkMessage& message) {
    messages.Show(message.title, message.text, message.icon, MessageButtons::Ok);
}

} // namespace pellucors
