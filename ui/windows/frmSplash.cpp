#include "frmSplash.h"

#include "platform/AppInfoService.h"
#include "ui/controls/Controls.h"
#include "ui/controls/LightPalette.h"
#include "ui/controls/Pictures.h"
#include "ui/controls/Twips.h"
#include "ui/controls/WindowFonts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace pellucors {

frmSplash::frmSplash(const AppInfoService& appInfo)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setPalette(LightPalette()); // the black company name needs its light face
    setFixedSize(TwipsSize(7380, 4245));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    CreateControls();
    Form_Load(appInfo);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::CreateControls() {
    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipsRect(150, 60, 7080, 4050));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto* lblCompanyProduct =
        MakeLabel(Frame1, "lblCompanyProduct", QStringLiteral("LARKMOOR AERIAL SURVEY, INC."), 420,
                  360, 6225, 435, Qt::AlignLeft | Qt::AlignTop);
    lblCompanyProduct->setFont(FaceFont(QStringLiteral("Times New Roman"), 18.75, true));
    lblCompanyProduct->setStyleSheet(QStringLiteral("color: black"));
    FitLabelToText(lblCompanyProduct);

    lblProductName = MakeLabel(Frame1, "lblProductName", QString(), 2040, 1200, 2895, 525,
                               Qt::AlignLeft | Qt::AlignTop);
    lblProductName->setFont(FaceFont(QStringLiteral("Arial"), 24, true));
    MakePicture(Frame1, "Image1", Emblem(), 1080, 1080, 720, 705, false);
    MakePicture(Frame1, "imgLogo", Logo(), 3600, 2280, 2655, 1425, true);

    auto* lblPlatform = MakeLabel(Frame1, "lblPlatform", QStringLiteral("Windows 95/98"), 810, 2640,
                                  2280, 360, Qt::AlignRight | Qt::AlignTop);
    lblPlatform->setFont(FaceFont(QStringLiteral("Arial"), 15.75, true));
    FitLabelToText(lblPlatform);

    lblVersion = MakeLabel(Frame1, "lblVersion", QStringLiteral("Version"), 1800, 3060, 885, 285,
                           Qt::AlignRight | Qt::AlignTop);
    lblVersion->setFont(FaceFont(QStringLiteral("Arial"), 12, true));

    tmrSplash = new QTimer(this);
    tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    tmrSplash->setSingleShot(true);
    tmrSplash->setInterval(kDisplayMilliseconds);
    connect(tmrSplash, &QTimer::timeout, this, &frmSplash::tmrSplash_Timer);
}

void frmSplash::Form_Load(const AppInfoService& appInfo) {
    lblVersion->setText(QString::fromStdString(VersionText(appInfo)));
    FitLabelToText(lblVersion);
    lblProductName->setText(QString::fromStdString(appInfo.Title()));
    FitLabelToText(lblProductName);
    tmrSplash->start();
}

void frmSplash::tmrSplash_Timer() {
    if (m_handedOver)
        return;
    m_handedOver = true;
    Q_EMIT HandOverDue();
}

// No key or click dismisses the splash.
void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
}
void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void frmSplash::closeEvent(QCloseEvent* event) {
    // Only the hand-over takes the splash away.
    if (m_handedOver)
        event->accept();
    else
        event->ignore();
}

} // namespace pellucors
