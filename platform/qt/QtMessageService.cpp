#include "QtMessageService.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <cmath>

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

// The widest a box may grow: two thirds of the screen's available width, and
// never beyond the limit past which QMessageBox breaks words anywhere
// (min(width - 480, 1000) on screens wider than 1024, else the width).
int WidestBox(const QWidget& box) {
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QWIDGETSIZE_MAX;
    const int available = screen->availableGeometry().width();
    const int unbroken = available > 1024 ? std::min(available - 480, 1000) : available;
    return std::min(available * 2 / 3, unbroken);
}

// What a window manager's title bar needs to show `title` whole. The frame is
// the window manager's and tells nothing before the box is shown, so this is
// an estimate: the title in the bold title font, plus four buttons (window
// menu, minimise, maximise, close) and one more for the edges and padding,
// each as wide as a title bar is high, about one and a half title font lines.
int TitleBarWidth(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int button = metrics.height() * 3 / 2;
    return metrics.horizontalAdvance(title) + 5 * button;
}

// QMessageBox wraps a text wider than half the screen (at most 500 pixels)
// and sizes for its title only in the MDI title font: here each line of the
// text keeps to one line and the whole title shows, within WidestBox.
void WidenToTextAndTitle(QMessageBox& box, const QString& text) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* buttons = box.findChild<QDialogButtonBox*>();
    QLayout* layout = box.layout();
    if (!label || !buttons || !layout)
        return;
    box.ensurePolished();
    const QFontMetricsF metrics(label->font(), label);
    qreal widestLine = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widestLine = std::max(widestLine, metrics.horizontalAdvance(line));
    const int widest = WidestBox(box);
    label->setMinimumWidth(static_cast<int>(std::ceil(widestLine)));
    const int overflow = layout->totalMinimumSize().width() - widest;
    if (overflow > 0)
        label->setMinimumWidth(std::max(0, label->minimumWidth() - overflow));
    // The button row spans the box: its minimum width sets the box's.
    const QMargins margins = layout->contentsMargins();
    buttons->setMinimumWidth(std::min(TitleBarWidth(box.windowTitle()), widest) - margins.left() -
                             margins.right());
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
        // The only question asks before deleting data: Enter, and Esc, keep
        // it; Yes takes a click, Alt+Y, or Tab then Enter.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    WidenToTextAndTitle(box, body);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace pellucors
