#include "frmAbout.h"

#include "platform/AppInfoService.h"
#include "ui/controls/Centring.h"
#include "ui/controls/Controls.h"
#include "ui/controls/LightPalette.h"
#include "ui/controls/Pictures.h"
#include "ui/controls/Twips.h"
#include "ui/controls/WindowFonts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace pellucors {

frmAbout::frmAbout(const AppInfoService& appInfo, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    // Its black title and disclaimer were designed on a light face, whatever
    // colours the desktop uses.
    setPalette(LightPalette());
    setWindowTitle(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose); // the close box unloads; Close only hides
    setModal(false);
    setFont(SansFont(8.25));
    setFixedSize(TwipsSize(5730, 3555));
    CreateControls();
    Form_Load(appInfo);
    CentreOnScreen();
}

void frmAbout::CentreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QWindow* window = windowHandle();
    const QMargins frame = window ? window->frameMargins() : QMargins();
    const QPoint topLeft = CentredFramePosition(screen->availableGeometry(), size().grownBy(frame));
    // Once shown, placed by the frame's corner, which the window manager
    // then puts there.
    if (window && isVisible())
        window->setFramePosition(topLeft);
    else
        move(topLeft);
}

// A window manager frames the window only after it is shown; once the frame
// is known, the title bar and borders count, once. Where there is no frame
// (no window manager) the first placement already holds.
void frmAbout::CentreOnceTheFrameIsKnown() {
    const QWindow* window = windowHandle();
    if (m_frameKnown || !isVisible() || !window || window->frameMargins().isNull())
        return;
    m_frameKnown = true;
    CentreOnScreen();
}

bool frmAbout::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::WindowActivate:
        CentreOnceTheFrameIsKnown();
        break;
    default:
        break;
    }
    return handled;
}

void frmAbout::CreateControls() {
    MakePicture(this, "Image1", Emblem(), 120, 240, 975, 975, false);
    lblTitle = MakeLabel(this, "lblTitle", QStringLiteral("Application Title"), 1440, 360, 3765,
                         360, Qt::AlignLeft | Qt::AlignTop);
    lblTitle->setFont(SansFont(13.5, true));
    MakePicture(this, "Image2", Logo(), 3000, 960, 2295, 1215, true);
    auto* Label1 = MakeLabel(this, "Label1", QStringLiteral("Windows 95/98"), 480, 1440, 2055, 375,
                             Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(SansFont(9.75, true));
    lblVersion = MakeLabel(this, "lblVersion", QStringLiteral("Version"), 840, 1800, 1365, 225,
                           Qt::AlignLeft | Qt::AlignTop);
    lblVersion->setFont(SansFont(9.75, true));
    auto* lblDisclaimer =
        MakeLabel(this, "lblDisclaimer",
                  QStringLiteral("Warning: plans made with this program are estimates. Check every "
                                 "result against the client's specifications before flying."),
                  255, 2625, 3870, 585, Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* black : {lblTitle, lblDisclaimer})
        black->setStyleSheet(QStringLiteral("color: black"));

    cmdClose = MakeButton(this, "cmdClose", QStringLiteral("&Close"),
                          QStringLiteral("Closes this window"), 4245, 2760, 1260, 465);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &frmAbout::cmdClose_Click);
    // Esc rejects the dialog, which hides it just as Close does.
    setFocusProxy(cmdClose);
    for (QLabel* label : findChildren<QLabel*>())
        label->setFocusPolicy(Qt::NoFocus);
}

void frmAbout::Form_Load(const AppInfoService& appInfo) {
    const QString title = QString::fromStdString(appInfo.Title());
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion->setText(QString::fromStdString(VersionText(appInfo)));
    lblTitle->setText(title);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The etched separator: a grey line over a white one.
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(TwipsPoint(90, 2445), TwipsPoint(5654, 2445));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(TwipsPoint(105, 2460) + QPoint(0, 1), TwipsPoint(5654, 2460) + QPoint(0, 1));
}

} // namespace pellucors
