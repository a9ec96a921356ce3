#pragma once

#include "platform/MessageService.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace pellucors::test {

// Records every message box and answers Yes/No questions from a script
// (No when the script is empty), so tests can assert which message appeared.
class FakeMessageService final : public MessageService {
public:
    struct Shown {
        std::string title;
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer Show(const std::string& title, const std::string& text, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.push_back({title, text, icon, buttons});
        if (onShow)
            onShow();
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    const Shown& Last() const { return shown.back(); }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const auto& s : shown)
            titles.push_back(s.title);
        return titles;
    }

    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;
    // Runs while the box is "open": lets a test look at the window then.
    std::function<void()> onShow;
};

} // namespace pellucors::test
