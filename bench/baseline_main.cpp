// The baseline program on its own, to look at or to profile next to Pellucors.
// Usage: pellucors_baseline [--captions]
#include "BaselineWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pellucors::bench::BaselineWindow window(
        QApplication::arguments().contains(QStringLiteral("--captions")));
    window.ShowMaximized();
    return QApplication::exec();
}
