#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace pellucors {

class AppInfoService;

// The start-up window: title, version and pictures, centred on the screen,
// for six seconds; then its timer hands over to the main window. Nothing the
// user does dismisses it sooner.
class frmSplash final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDisplayMilliseconds = 6000;

    explicit frmSplash(const AppInfoService& appInfo);

Q_SIGNALS:
    // The six seconds are over: time to hand over to the main window.
    void HandOverDue();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void Form_Load(const AppInfoService& appInfo);
    void tmrSplash_Timer();

    bool m_handedOver = false;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QTimer* tmrSplash = nullptr;
};

} // namespace pellucors
