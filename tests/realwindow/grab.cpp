// Saves a PNG of the whole X screen, or of one X window, so anyone can look at
// what a user of the real program sees.
// Usage: pellucors_grab OUTPUT.png [WINDOW-ID]  (the id in decimal or 0x hex)

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Other programs' windows are reachable only through the X server.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: pellucors_grab OUTPUT.png [WINDOW-ID]\n");
        return 2;
    }

    WId window = 0; // the root window: the whole screen
    if (args.size() == 3) {
        bool ok = false;
        window = args.at(2).toULongLong(&ok, 0);
        if (!ok || window == 0) {
            std::fprintf(stderr, "not a window id: %s\n", qPrintable(args.at(2)));
            return 2;
        }
    }

    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "no screen\n");
        return 1;
    }
    const QPixmap shot = screen->grabWindow(window);
    if (shot.isNull()) {
        std::fprintf(stderr, "could not grab window %s\n",
                     args.size() == 3 ? qPrintable(args.at(2)) : "root");
        return 1;
    }
    if (!shot.save(args.at(1), "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
