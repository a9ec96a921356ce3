#include "BaselineWindow.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>

namespace pellucors::bench {

BaselineWindow::BaselineWindow(bool captions) {
    auto* workspace = new QMdiArea(this);
    setCentralWidget(workspace);
    for (int i = 1; i <= 3; ++i) {
        auto* sub = new QMdiSubWindow;
        auto* child = new QWidget;
        if (captions) {
            // About the size of the program's child windows, so the titles
            // fit as theirs do.
            child->setFixedSize(385, 280);
            sub->setWindowTitle(QStringLiteral("Child window %1").arg(i));
        }
        sub->setWidget(child);
        workspace->addSubWindow(sub);
        sub->show();
    }
    if (captions) {
        for (const QString& title :
             {QStringLiteral("&File"), QStringLiteral("&Window"), QStringLiteral("&Help")})
            menuBar()->addMenu(title);
    }
}

void BaselineWindow::ShowMaximized() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
}

} // namespace pellucors::bench
