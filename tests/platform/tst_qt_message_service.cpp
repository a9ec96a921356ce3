#include "platform/qt/QtMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

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
};

// Presses `press` on the box once it is open and notes what it looked like.
// The box is modal, so this runs from a timer started before Show.
class BoxAnswerer {
public:
    BoxAnswerer(int press, SeenBox& seen) {
        m_poll.setInterval(20);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this, press, &seen] {
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
                    box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)};
            QAbstractButton* button = box->button(static_cast<QMessageBox::StandardButton>(press));
            if (button)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                box->reject();
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
};

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

    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    // The program's texts break lines with CR LF; the user must see line breaks.
    QTest::newRow("length message with OK")
        << "Pellucors - Please check your data!"
        << "Please enter a numeric value greater then zero\r\nfor the length of the flight line."
        << MessageIcon::Information << MessageButtons::Ok << int(QMessageBox::Ok)
        << "Please enter a numeric value greater then zero\nfor the length of the flight line."
        << int(QMessageBox::Information) << int(QMessageBox::Ok) << MessageAnswer::Ok;
    QTest::newRow("data error with the exclamation icon")
        << "Pellucors - Data error!"
        << "Please enter a numeric value greater then 2\r\nGPS has a built in error of 2 "
           "Centimeters."
        << MessageIcon::Exclamation << MessageButtons::Ok << int(QMessageBox::Ok)
        << "Please enter a numeric value greater then 2\nGPS has a built in error of 2 "
           "Centimeters."
        << int(QMessageBox::Warning) << int(QMessageBox::Ok) << MessageAnswer::Ok;
    const char* question =
        "You are about to delete all the data in the list box.\r\nDo you wish to continue?";
    const char* questionShown =
        "You are about to delete all the data in the list box.\nDo you wish to continue?";
    QTest::newRow("clearing the list, answered Yes")
        << "Pellucors - Warning!" << question << MessageIcon::Question << MessageButtons::YesNo
        << int(QMessageBox::Yes) << questionShown << int(QMessageBox::Question) << yesNo
        << MessageAnswer::Yes;
    QTest::newRow("clearing the list, answered No")
        << "Pellucors - Warning!" << question << MessageIcon::Question << MessageButtons::YesNo
        << int(QMessageBox::No) << questionShown << int(QMessageBox::Question) << yesNo
        << MessageAnswer::No;
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

QTEST_MAIN(TestQtMessageService)
#include "tst_qt_message_service.moc"
