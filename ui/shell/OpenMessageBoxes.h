#pragma once

#include "platform/MessageService.h"

#include <functional>

namespace pellucors {

// The program's message boxes, counted while they are open. A modal box runs
// an event loop of its own, so a timer can fire in the middle of the handler
// that opened it; what must not run there asks AnyOpen first.
class OpenMessageBoxes final : public MessageService {
public:
    explicit OpenMessageBoxes(MessageService& boxes) : m_boxes(boxes) {}

    MessageAnswer Show(const std::string& title, const std::string& text, MessageIcon icon,
                       MessageButtons buttons) override;

    bool AnyOpen() const { return m_open > 0; }
    // Runs `then` once, when the last open box has closed (the handler that
    // opened it is still running then).
    void WhenAllClosed(std::function<void()> then) { m_whenAllClosed = std::move(then); }

private:
    MessageService& m_boxes;
    int m_open = 0;
    std::function<void()> m_whenAllClosed;
};

} // namespace pellucors
