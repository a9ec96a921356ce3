#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pellucors {

class AppInfoService;

// Help > About: title, version and pictures. Close (Enter, Esc) hides it;
// the close box unloads it, so the next About loads it afresh.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    frmAbout(const AppInfoService& appInfo, QWidget* parent);

    // Esc hides the window like Close: QDialog's own reject would unload it
    // (the window deletes itself on close so that the close box unloads it).
    void reject() override { hide(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    // Centres the whole frame on the screen; until the window manager has
    // framed the window, its frame is its client area.
    void CentreOnScreen();
    void CentreOnceTheFrameIsKnown();
    void Form_Load(const AppInfoService& appInfo);
    void cmdClose_Click() { hide(); }

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdClose = nullptr;
    bool m_frameKnown = false;
};

} // namespace pellucors
