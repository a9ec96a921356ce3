#include "OpenMessageBoxes.h"

namespace pellucors {

MessageAnswer OpenMessageBoxes::Show(const std::string& title, const std::string& text,
                                     MessageIcon icon, MessageButtons buttons) {
    struct Open {
        int& count;
        explicit Open(int& open) : count(open) { ++count; }
        ~Open() { --count; }
    };
    MessageAnswer answer;
    {
        const Open open(m_open);
        answer = m_boxes.Show(title, text, icon, buttons);
    }
    if (m_open == 0 && m_whenAllClosed) {
        const std::function<void()> then = std::move(m_whenAllClosed);
        m_whenAllClosed = nullptr;
        then();
    }
    return answer;
}

} // namespace pellucors
