#include "QtMessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace pellucors {

namespace {
QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The splash stays on top of everything for its six seconds; a box raised
// meanwhile would open under it and leave the program waiting unseen.
bool AWindowStaysOnTop() {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return true;
    }
    return false;
}
} // namespace

MessageAnswer QtMessageService::Show(const std::string& title, const std::string& text,
                                     MessageIcon icon, MessageButtons buttons) {
    // CR LF is the line break of our texts; a label wants a bare LF.
    QString body = QString::fromStdString(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    QMessageBox box(ToQt(icon), QString::fromStdString(title), body, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (AWindowStaysOnTop())
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace pellucors
