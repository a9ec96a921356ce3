// The splash and About windows: what they show, the splash timer's single
// hand-over, how About hides and unloads, the program's own pictures, their
// light face under a dark desktop, and About centred by its whole frame.

#include "ProgramFixture.h"
#include "ui/controls/Centring.h"
#include "ui/controls/LazyIconEngine.h"
#include "ui/controls/Pictures.h"
#include "ui/windows/frmAbout.h"
#include "ui/windows/frmGroundStationCal.h"
#include "ui/windows/frmSplash.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>

using pellucors::ChildWindow;
using pellucors::frmAbout;
using pellucors::frmSplash;
using pellucors::test::ProgramFixture;

namespace {

enum class UserAction { Key, LeftClick, RightClick, DoubleClick, CloseRequest };
enum class Dismissal { EnterKey, EscKey, CloseButton };

QString LabelText(const QWidget& window, const char* name) {
    return ProgramFixture::Find<QLabel>(window, name)->text();
}

void ChooseAbout(ProgramFixture& program) {
    ProgramFixture::Find<QAction>(program.Parent(), "mnuHelpAbout")->trigger();
}

// The application's properties as another build would carry them.
void AnotherBuild(ProgramFixture& program) {
    program.appInfo.title = "Aerial Planner";
    program.appInfo.major = 2;
    program.appInfo.minor = 14;
    program.appInfo.revision = 3;
}

// WCAG contrast ratio of two colours, 1 (none) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class SplashAboutTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splashShowsTitleAndVersion_data();
    void splashShowsTitleAndVersion();
    void splashIsFramelessAndTakesNoFocus();
    void splashIgnoresTheUser_data();
    void splashIgnoresTheUser();
    void splashTimerHandsOverOnce();
    void handOverWaitsForTheOpenMessage_data();
    void handOverWaitsForTheOpenMessage();
    void aboutShowsTitleAndVersion_data();
    void aboutShowsTitleAndVersion();
    void aboutHidesAndStaysLoaded_data();
    void aboutHidesAndStaysLoaded();
    void aboutCloseBoxUnloads();
    void picturesFromResources();
    void picturesOnTheWindows_data();
    void picturesOnTheWindows();
    void windowIconReadsNothingUntilAsked();
    void windowIconOfTheMainWindow();
    void readableUnderADarkDesktop_data();
    void readableUnderADarkDesktop();
    void aboutCentresItsWholeFrame_data();
    void aboutCentresItsWholeFrame();
};

void SplashAboutTest::splashShowsTitleAndVersion_data() {
    QTest::addColumn<bool>("anotherBuild");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("version");
    QTest::newRow("as built") << false << QStringLiteral("Pellucors")
                              << QStringLiteral("Version 1.0.0");
    QTest::newRow("another build's properties")
        << true << QStringLiteral("Aerial Planner") << QStringLiteral("Version 2.14.3");
}

void SplashAboutTest::splashShowsTitleAndVersion() {
    QFETCH(bool, anotherBuild);
    QFETCH(QString, title);
    QFETCH(QString, version);
    ProgramFixture program;
    if (anotherBuild)
        AnotherBuild(program);
    program.Start(false);
    const frmSplash* splash = program.App().Splash();
    QVERIFY(splash);
    QVERIFY(splash->isVisible());

    QCOMPARE(LabelText(*splash, "lblProductName"), title);
    QCOMPARE(LabelText(*splash, "lblVersion"), version);
    QCOMPARE(LabelText(*splash, "lblCompanyProduct"),
             QStringLiteral("LARKMOOR AERIAL SURVEY, INC."));
    QCOMPARE(LabelText(*splash, "lblPlatform"), QStringLiteral("Windows 95/98"));
}

void SplashAboutTest::splashIsFramelessAndTakesNoFocus() {
    ProgramFixture program;
    program.Start(false);
    frmSplash* splash = program.App().Splash();

    QVERIFY(splash->isWindow());
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash->focusPolicy(), Qt::NoFocus);
    for (const QWidget* control : splash->findChildren<QWidget*>())
        QVERIFY2(control->focusPolicy() == Qt::NoFocus, qPrintable(control->objectName()));
    QVERIFY(!splash->isAncestorOf(QApplication::focusWidget()));
}

void SplashAboutTest::splashIgnoresTheUser_data() {
    QTest::addColumn<UserAction>("action");
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Esc pressed") << UserAction::Key << Qt::Key_Escape;
    QTest::newRow("Enter pressed") << UserAction::Key << Qt::Key_Return;
    QTest::newRow("space bar pressed") << UserAction::Key << Qt::Key_Space;
    QTest::newRow("a letter typed") << UserAction::Key << Qt::Key_Q;
    QTest::newRow("clicked") << UserAction::LeftClick << Qt::Key_unknown;
    QTest::newRow("right-clicked") << UserAction::RightClick << Qt::Key_unknown;
    QTest::newRow("double-clicked") << UserAction::DoubleClick << Qt::Key_unknown;
    QTest::newRow("asked to close") << UserAction::CloseRequest << Qt::Key_unknown;
}

void SplashAboutTest::splashIgnoresTheUser() {
    QFETCH(UserAction, action);
    QFETCH(Qt::Key, key);
    ProgramFixture program;
    program.Start(false);
    frmSplash* splash = program.App().Splash();
    QSignalSpy unloaded(splash, &QObject::destroyed);
    const QPoint centre = splash->rect().center();

    switch (action) {
    case UserAction::Key:
        QTest::keyClick(splash, key);
        break;
    case UserAction::LeftClick:
        QTest::mouseClick(splash, Qt::LeftButton, {}, centre);
        break;
    case UserAction::RightClick:
        QTest::mouseClick(splash, Qt::RightButton, {}, centre);
        break;
    case UserAction::DoubleClick:
        QTest::mouseDClick(splash, Qt::LeftButton, {}, centre);
        break;
    case UserAction::CloseRequest:
        QVERIFY(!splash->close());
        break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(unloaded.count(), 0);
    QCOMPARE(program.App().Splash(), splash);
    QVERIFY(splash->isVisible());
    QVERIFY(ProgramFixture::Find<QTimer>(*splash, "tmrSplash")->isActive());
}

void SplashAboutTest::splashTimerHandsOverOnce() {
    ProgramFixture program;
    program.Start(false);
    QPointer<frmSplash> splash = program.App().Splash();
    auto* tmrSplash = ProgramFixture::Find<QTimer>(*splash, "tmrSplash");
    QCOMPARE(tmrSplash->interval(), 6000);
    QVERIFY(tmrSplash->isSingleShot());
    QVERIFY(tmrSplash->isActive());
    // The user switches a window off during the splash: the hand-over must
    // not bring it back.
    program.Parent().MenuItem(ChildWindow::GpsErrorCal)->trigger();

    tmrSplash->start(0);
    QTRY_VERIFY(!splash);

    QVERIFY(!program.App().Splash());
    QVERIFY(QTest::qWaitForWindowActive(&program.Parent()));
    QMdiArea* workspace = &program.Workspace();
    QMdiSubWindow* stations = program.Parent().SubWindow(ChildWindow::GroundStationCal);
    QCOMPARE(workspace->activeSubWindow(), stations);
    QCOMPARE(QApplication::focusWidget(), ProgramFixture::Find<QLineEdit>(*stations, "txtLineNo"));
    QVERIFY(!program.Parent().SubWindow(ChildWindow::GpsErrorCal)->isVisible());
    // A second hand-over would take the keyboard back from the data window.
    workspace->setActiveSubWindow(program.Parent().SubWindow(ChildWindow::DataDisplay));
    QTest::qWait(50);
    QCOMPARE(workspace->activeSubWindow(), program.Parent().SubWindow(ChildWindow::DataDisplay));
}

void SplashAboutTest::handOverWaitsForTheOpenMessage_data() {
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("reported"); // the box the check puts the keyboard in
    QTest::newRow("check 2: no length") << QStringLiteral("A1") << QStringLiteral("txtDistance");
    QTest::newRow("check 1: no designation") << QString() << QStringLiteral("txtLineNo");
}

// Regression: the six seconds ran out while a message was open, and the
// hand-over ran inside the handler that showed it, moving the keyboard to
// the designation box: after OK the length was typed into the wrong box.
void SplashAboutTest::handOverWaitsForTheOpenMessage() {
    QFETCH(QString, designation);
    QFETCH(QString, reported);
    ProgramFixture program;
    program.StartBehindTheSplash();
    QPointer<frmSplash> splash = program.App().Splash();
    QWidget& calculator = program.Parent().GroundStationCal();
    auto* txtLineNo = ProgramFixture::Find<QLineEdit>(calculator, "txtLineNo");
    auto* box = ProgramFixture::Find<QLineEdit>(calculator, reported.toLatin1().constData());
    txtLineNo->setFocus();
    QTest::keyClicks(txtLineNo, designation);
    bool splashUpWhileOpen = false;
    QWidget* keyboardWhileOpen = nullptr;
    program.messages.onShow = [&] {
        // The user is still reading the message when the time is up.
        ProgramFixture::Find<QTimer>(*splash, "tmrSplash")->start(0);
        QTest::qWait(50);
        splashUpWhileOpen = splash && splash->isVisible();
        keyboardWhileOpen = QApplication::focusWidget();
    };

    QTest::keyClick(txtLineNo, Qt::Key_Return);

    QCOMPARE(int(program.messages.shown.size()), 1);
    QVERIFY(splashUpWhileOpen);
    QCOMPARE(keyboardWhileOpen, box);
    // The handler has returned: now the hand-over, once, and the keyboard
    // stays where the check put it.
    program.messages.onShow = nullptr;
    QTRY_VERIFY(!splash);
    QVERIFY(QTest::qWaitForWindowActive(&program.Parent()));
    QMdiArea* workspace = &program.Workspace();
    QCOMPARE(workspace->activeSubWindow(),
             program.Parent().SubWindow(ChildWindow::GroundStationCal));
    for (const ChildWindow window :
         {ChildWindow::GpsErrorCal, ChildWindow::GroundStationCal, ChildWindow::DataDisplay})
        QVERIFY(program.Parent().SubWindow(window)->isVisible());
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("25"));
    QCOMPARE(box->text(), QStringLiteral("25"));
}

void SplashAboutTest::aboutShowsTitleAndVersion_data() {
    QTest::addColumn<bool>("anotherBuild");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("version");
    QTest::newRow("as built") << false << QStringLiteral("About Pellucors")
                              << QStringLiteral("Pellucors") << QStringLiteral("Version 1.0.0");
    QTest::newRow("another build's properties")
        << true << QStringLiteral("About Aerial Planner") << QStringLiteral("Aerial Planner")
        << QStringLiteral("Version 2.14.3");
}

void SplashAboutTest::aboutShowsTitleAndVersion() {
    QFETCH(bool, anotherBuild);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(QString, version);
    ProgramFixture program;
    if (anotherBuild)
        AnotherBuild(program);
    program.Start();

    ChooseAbout(program);

    const frmAbout* about = program.Parent().About();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), caption);
    QCOMPARE(LabelText(*about, "lblTitle"), title);
    QCOMPARE(LabelText(*about, "lblVersion"), version);
    QCOMPARE(LabelText(*about, "Label1"), QStringLiteral("Windows 95/98"));
}

void SplashAboutTest::aboutHidesAndStaysLoaded_data() {
    QTest::addColumn<Dismissal>("dismissal");
    QTest::newRow("Enter pressed") << Dismissal::EnterKey;
    QTest::newRow("Esc pressed") << Dismissal::EscKey;
    QTest::newRow("Close clicked") << Dismissal::CloseButton;
}

// Regression: Esc unloaded About; like Close and Enter it must only hide the same window.
void SplashAboutTest::aboutHidesAndStaysLoaded() {
    QFETCH(Dismissal, dismissal);
    ProgramFixture program;
    program.Start();
    ChooseAbout(program);
    QPointer<frmAbout> about = program.Parent().About();
    about->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), about.data());
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(about->isAncestorOf(focus));

    switch (dismissal) {
    case Dismissal::EnterKey:
        QTest::keyClick(focus, Qt::Key_Return);
        break;
    case Dismissal::EscKey:
        QTest::keyClick(focus, Qt::Key_Escape);
        break;
    case Dismissal::CloseButton:
        QTest::mouseClick(ProgramFixture::Find<QPushButton>(*about, "cmdClose"), Qt::LeftButton);
        break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(about);
    QVERIFY(!about->isVisible());
    QCOMPARE(program.Parent().About(), about.data());
    ChooseAbout(program);
    QCOMPARE(program.Parent().About(), about.data());
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Pellucors"));
}

void SplashAboutTest::aboutCloseBoxUnloads() {
    ProgramFixture program;
    program.Start();
    ChooseAbout(program);
    QPointer<frmAbout> first = program.Parent().About();
    QSignalSpy unloaded(first.data(), &QObject::destroyed);

    QVERIFY(first->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!program.Parent().About());
    ChooseAbout(program);
    const frmAbout* second = program.Parent().About();
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(second->windowTitle(), QStringLiteral("About Pellucors"));
    QCOMPARE(LabelText(*second, "lblTitle"), QStringLiteral("Pellucors"));
    QCOMPARE(LabelText(*second, "lblVersion"), QStringLiteral("Version 1.0.0"));
}

void SplashAboutTest::picturesFromResources() {
    QCOMPARE(pellucors::Emblem().size(), QSize(32, 32));
    QCOMPARE(pellucors::Logo().size(), QSize(229, 130));
    const QImage emblem(QStringLiteral(":/pellucors/emblem.png"));
    QCOMPARE(emblem.format(), QImage::Format_Indexed8);
    QVERIFY(emblem.colorCount() > 0 && emblem.colorCount() <= 256);
    const QImage logo(QStringLiteral(":/pellucors/logo.jpg"), "JPG");
    QCOMPARE(logo.size(), QSize(229, 130));
}

void SplashAboutTest::picturesOnTheWindows_data() {
    QTest::addColumn<bool>("onSplash");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<bool>("bordered");
    QTest::newRow("emblem on the splash")
        << true << QStringLiteral("Image1") << QSize(32, 32) << false;
    QTest::newRow("logo on the splash")
        << true << QStringLiteral("imgLogo") << QSize(229, 130) << true;
    QTest::newRow("emblem on About") << false << QStringLiteral("Image1") << QSize(32, 32) << false;
    QTest::newRow("logo on About") << false << QStringLiteral("Image2") << QSize(229, 130) << true;
}

void SplashAboutTest::picturesOnTheWindows() {
    QFETCH(bool, onSplash);
    QFETCH(QString, control);
    QFETCH(QSize, pixels);
    QFETCH(bool, bordered);
    ProgramFixture program;
    program.Start(false);
    if (!onSplash)
        ChooseAbout(program);
    const QWidget& window =
        onSplash ? static_cast<const QWidget&>(*program.App().Splash()) : *program.Parent().About();

    const auto* picture = ProgramFixture::Find<QLabel>(window, qPrintable(control));
    QCOMPARE(picture->pixmap().size(), pixels);
    QVERIFY(picture->hasScaledContents());
    QCOMPARE(picture->frameShape() == QFrame::Box, bordered);
}

void SplashAboutTest::windowIconReadsNothingUntilAsked() {
    // The files do not exist when the icon is made: only a lazy icon can
    // still show them once they are there.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString small = folder.filePath(QStringLiteral("small.png"));
    const QString large = folder.filePath(QStringLiteral("large.png"));
    auto* engine =
        new pellucors::LazyIconEngine({{small, QSize(32, 32)}, {large, QSize(256, 256)}});
    const QIcon icon(engine);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(256, 256)}));
    QVERIFY(!engine->IsLoaded());

    QVERIFY(QImage(QStringLiteral(":/pellucors/emblem.png")).save(small));
    QVERIFY(QImage(QStringLiteral(":/pellucors/emblem-256.png")).save(large));
    QCOMPARE(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
    QVERIFY(engine->IsLoaded());
    QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    QCOMPARE(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32),
             pellucors::Emblem().toImage().convertToFormat(QImage::Format_ARGB32));
}

void SplashAboutTest::windowIconOfTheMainWindow() {
    ProgramFixture program;
    program.Start(true);
    const QIcon icon = program.Parent().windowIcon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(256, 256)}));
    QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    QCOMPARE(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32),
             pellucors::Emblem().toImage().convertToFormat(QImage::Format_ARGB32));
    // A size between the two comes from the larger picture, never upscaled.
    QCOMPARE(icon.pixmap(QSize(64, 64)).size(), QSize(64, 64));
}

void SplashAboutTest::readableUnderADarkDesktop_data() {
    QTest::addColumn<bool>("about");
    QTest::newRow("splash") << false;
    QTest::newRow("About") << true;
}

// Regression: under a dark colour scheme (qt6ct's "darker") the black company
// name, About's title and its disclaimer stood on dark grey.
void SplashAboutTest::readableUnderADarkDesktop() {
    QFETCH(bool, about);
    const QPalette desktop = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
    QApplication::setPalette(QPalette(QColor(53, 53, 53))); // white text on dark grey
    ProgramFixture program;
    program.Start(false);
    if (about)
        ChooseAbout(program);
    QWidget& window = about ? static_cast<QWidget&>(*program.Parent().About())
                            : static_cast<QWidget&>(*program.App().Splash());

    // The face as drawn, at the window's top left corner, is light.
    const QImage shot = window.grab().toImage();
    const QColor face = shot.pixelColor(QPoint(1, 1) * window.devicePixelRatioF());
    QVERIFY2(face.lightnessF() > 0.7, qPrintable(face.name()));
    QStringList unreadable;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        label->ensurePolished();
        const QColor text = label->palette().color(label->foregroundRole());
        if (Contrast(text, face) < 4.5)
            unreadable << label->objectName() + QLatin1Char(' ') + text.name();
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QPalette colours = button->palette();
        if (Contrast(colours.color(QPalette::ButtonText), colours.color(QPalette::Button)) < 4.5 ||
            Contrast(colours.color(QPalette::Button), face) > 1.5)
            unreadable << button->objectName();
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
    QCOMPARE(about, !window.findChildren<QPushButton*>().isEmpty());
}

void SplashAboutTest::aboutCentresItsWholeFrame_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("topLeft");
    // About's client area is 382 x 237; a window manager adds borders and a
    // title bar, which must count, or the window sits low and to the right.
    QTest::newRow("a 1280x1024 screen, 4 pixel borders and a 26 pixel title bar")
        << QRect(0, 0, 1280, 1024) << QSize(390, 267) << QPoint(445, 378);
    QTest::newRow("no frame (no window manager)")
        << QRect(0, 0, 1280, 1024) << QSize(382, 237) << QPoint(449, 393);
    QTest::newRow("a second screen under a 27 pixel panel")
        << QRect(1280, 27, 1920, 1053) << QSize(390, 267) << QPoint(2045, 420);
    QTest::newRow("a screen smaller than the frame keeps the title bar on it")
        << QRect(0, 0, 533, 400) << QSize(600, 450) << QPoint(0, 0);
}

void SplashAboutTest::aboutCentresItsWholeFrame() {
    QFETCH(QRect, available);
    QFETCH(QSize, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(pellucors::CentredFramePosition(available, frame), topLeft);
}

QTEST_MAIN(SplashAboutTest)
#include "tst_splash_about.moc"
