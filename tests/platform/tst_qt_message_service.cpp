#include "ExpectedMessages.h"
#include "platform/qt/QtMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFontDatabase>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

Q_DECLARE_METATYPE(pellucors::MessageIcon)
Q_DECLARE_METATYPE(pellucors::MessageButtons)
Q_DECLARE_METATYPE(pellucors::MessageAnswer)

using pellucors::MessageAnswer;
using pellucors::MessageButtons;
using pellucors::MessageIcon;

namespace {
QMessageBox* OpenMessageBox() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        return box;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible())
            return box;
    }
    return nullptr;
}

// What the box looked like while it was open.
struct SeenBox {
    bool found = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool staysOnTop = false;
    int width = 0;
    int availableWidth = 0;
    // The text wraps inside a line: the label is taller at its width than it
    // would be with room to spare.
    bool linesWrap = false;
    bool leftOpen = false; // the answer did not close the box
};

// Presses `press` on the box once it is open and notes what it looked like.
// The box is modal, so this runs from a timer started before Show.
class BoxAnswerer {
public:
    BoxAnswerer(int press, SeenBox& seen)
        : BoxAnswerer(
              [press](QMessageBox& box) {
                  QAbstractButton* button =
                      box.button(static_cast<QMessageBox::StandardButton>(press));
                  if (button)
                      QTest::mouseClick(button, Qt::LeftButton);
                  else
                      box.reject();
              },
              seen) {}

    // Types `keys` (e.g. "Tab, Return") where the box has the keyboard.
    BoxAnswerer(const QKeySequence& keys, SeenBox& seen)
        : BoxAnswerer(
              [keys](QMessageBox& box) {
                  for (int i = 0; i < keys.count(); ++i) {
                      QWidget* focus = box.focusWidget() ? box.focusWidget() : &box;
                      QTest::keyClick(focus, keys[i].key(), keys[i].keyboardModifiers());
                  }
              },
              seen) {}

    BoxAnswerer(std::function<void(QMessageBox&)> answer, SeenBox& seen) {
        m_poll.setInterval(20);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this, answer, &seen] {
            QMessageBox* box = OpenMessageBox();
            if (!box) {
                if (++m_attempts > 250) {
                    // Unblock Show so the test fails instead of hanging.
                    m_poll.stop();
                    QApplication::closeAllWindows();
                }
                return;
            }
            m_poll.stop();
            seen = {true,
                    box->windowTitle(),
                    box->text(),
                    box->icon(),
                    box->standardButtons(),
                    box->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                    box->width(),
                    box->screen()->availableGeometry().width()};
            if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                seen.linesWrap =
                    label->heightForWidth(label->width()) > label->heightForWidth(100000);
            answer(*box);
            // An access key clicks its button a moment later (animateClick).
            const QDeadlineTimer deadline(5000);
            while (box->isVisible() && !deadline.hasExpired())
                QTest::qWait(10);
            if (box->isVisible()) {
                seen.leftOpen = true;
                box->reject(); // so that Show returns and the test can fail
            }
        });
        m_poll.start();
    }

private:
    QTimer m_poll;
    int m_attempts = 0;
};
} // namespace

class TestQtMessageService final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheBoxAndReturnsTheAnswer_data();
    void showsTheBoxAndReturnsTheAnswer();
    void opensAboveAWindowThatStaysOnTop_data();
    void opensAboveAWindowThatStaysOnTop();
    void answersTheClearQuestionByKeyboard_data();
    void answersTheClearQuestionByKeyboard();
};

namespace {
// Far less than any title bar needs: the title in the bold title font and
// three buttons as wide as the font is high.
int LeastTitleBarWidth(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 3 * metrics.height();
}

} // namespace

void TestQtMessageService::showsTheBoxAndReturnsTheAnswer_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<int>("qtIcon");
    QTest::addColumn<int>("qtButtons");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("linesWrap"); // only where a line is wider than the box may be

    using namespace pellucors::test;
    // The program's texts break lines with CR LF; the user must see line breaks.
    const auto add = [](const char* name, const ExpectedMessage& message, int press,
                        MessageAnswer answer, int qtIcon, bool linesWrap = false) {
        const QString text = QString::fromStdString(message.text);
        const bool question = message.icon == MessageIcon::Question;
        QTest::newRow(name) << QString::fromStdString(message.title) << text << message.icon
                            << (question ? MessageButtons::YesNo : MessageButtons::Ok) << press
                            << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                            << qtIcon
                            << int(question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok)
                            << answer << linesWrap;
    };
    add("length message with OK", kLengthNotNumeric, QMessageBox::Ok, MessageAnswer::Ok,
        QMessageBox::Information);
    add("data error with the exclamation icon", kErrorNotAboveTwo, QMessageBox::Ok,
        MessageAnswer::Ok, QMessageBox::Warning);
    add("clearing the list, answered Yes", kClearListQuestion, QMessageBox::Yes, MessageAnswer::Yes,
        QMessageBox::Question);
    add("clearing the list, answered No", kClearListQuestion, QMessageBox::No, MessageAnswer::No,
        QMessageBox::Question);
    // Regression: these wrapped inside their lines, leaving "list." and
    // "entered." alone on a line.
    add("last entry, two long lines", kLastEntry, QMessageBox::Ok, MessageAnswer::Ok,
        QMessageBox::Information);
    add("too many entries, three long lines", kTooManyEntries, QMessageBox::Ok, MessageAnswer::Ok,
        QMessageBox::Warning);
    // Regression: a short text made a box too narrow for its title.
    add("short text under a long title", kNoDesignation, QMessageBox::Ok, MessageAnswer::Ok,
        QMessageBox::Information);
    const std::string wide =
        QStringLiteral("Please check your data. ").repeated(20).trimmed().toStdString();
    add("a line wider than two thirds of the screen wraps within them",
        {"Pellucors - Warning!", wide, MessageIcon::Information}, QMessageBox::Ok,
        MessageAnswer::Ok, QMessageBox::Information, true);
}

void TestQtMessageService::showsTheBoxAndReturnsTheAnswer() {
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(MessageIcon, icon);
    QFETCH(MessageButtons, buttons);
    QFETCH(int, press);
    QFETCH(QString, shownText);
    QFETCH(int, qtIcon);
    QFETCH(int, qtButtons);
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, linesWrap);

    SeenBox seen;
    BoxAnswerer answerer(press, seen);
    pellucors::QtMessageService service;
    const MessageAnswer returned =
        service.Show(title.toStdString(), text.toStdString(), icon, buttons);

    QVERIFY(seen.found);
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, shownText);
    QCOMPARE(int(seen.icon), qtIcon);
    QCOMPARE(int(seen.buttons), qtButtons);
    QVERIFY(returned == answer);
    QVERIFY(!OpenMessageBox());
    QCOMPARE(seen.linesWrap, linesWrap);
    QVERIFY2(seen.width >= std::min(LeastTitleBarWidth(title), seen.availableWidth * 2 / 3),
             qPrintable(QStringLiteral("%1 pixels wide").arg(seen.width)));
    QVERIFY(seen.width <= seen.availableWidth * 2 / 3);
}

void TestQtMessageService::opensAboveAWindowThatStaysOnTop_data() {
    QTest::addColumn<bool>("windowShown");
    QTest::addColumn<bool>("windowStaysOnTop");
    QTest::addColumn<bool>("boxStaysOnTop");
    QTest::newRow("no other window") << false << false << false;
    QTest::newRow("an ordinary window") << true << false << false;
    QTest::newRow("a window on top, shown") << true << true << true;
    QTest::newRow("a window on top, hidden") << false << true << false;
}

void TestQtMessageService::opensAboveAWindowThatStaysOnTop() {
    QFETCH(bool, windowShown);
    QFETCH(bool, windowStaysOnTop);
    QFETCH(bool, boxStaysOnTop);

    QWidget other(nullptr, windowStaysOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags());
    other.resize(200, 100);
    if (windowShown)
        other.show();

    SeenBox seen;
    BoxAnswerer answerer(QMessageBox::Ok, seen);
    pellucors::QtMessageService service;
    service.Show("Pellucors - Please check your data!", "Please enter a line number.",
                 MessageIcon::Information, MessageButtons::Ok);

    QVERIFY(seen.found);
    QCOMPARE(seen.staysOnTop, boxStaysOnTop);
}

void TestQtMessageService::answersTheClearQuestionByKeyboard_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<MessageAnswer>("answer");
    // Regression: Enter answered Yes, so Esc then Enter in the GPS Data
    // window wiped the log with two keys.
    QTest::newRow("Enter answers No") << QKeySequence(Qt::Key_Return) << MessageAnswer::No;
    QTest::newRow("Esc answers No") << QKeySequence(Qt::Key_Escape) << MessageAnswer::No;
    QTest::newRow("Alt+Y answers Yes") << QKeySequence(Qt::ALT | Qt::Key_Y) << MessageAnswer::Yes;
    QTest::newRow("Tab then Enter answers Yes")
        << QKeySequence(Qt::Key_Tab, Qt::Key_Return) << MessageAnswer::Yes;
}

void TestQtMessageService::answersTheClearQuestionByKeyboard() {
    QFETCH(QKeySequence, keys);
    QFETCH(MessageAnswer, answer);

    SeenBox seen;
    BoxAnswerer answerer(keys, seen);
    pellucors::QtMessageService service;
    const MessageAnswer returned = service.Show(pellucors::test::kClearListQuestion.title,
                                                pellucors::test::kClearListQuestion.text,
                                                MessageIcon::Question, MessageButtons::YesNo);

    QVERIFY(seen.found);
    QVERIFY2(!seen.leftOpen, "the keys did not answer the question");
    QVERIFY(returned == answer);
}

QTEST_MAIN(TestQtMessageService)
#include "tst_qt_message_service.moc"
