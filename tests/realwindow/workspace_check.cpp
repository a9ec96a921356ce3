// Reads a screenshot of the whole screen and checks, from its pixels alone,
// that Pellucors' maximised main window is up with its three child windows at
// their home positions and nothing else on its workspace, so it serves any
// compositor's screenshots. SCALE is the display's (1.5 for 150%).
// Usage: pellucors_workspace_check SHOT.png [SCALE]

#include "ui/controls/Twips.h"

#include <QImage>
#include <QRect>
#include <QTransform>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Child {
    const char* caption;
    QRect home; // home position and client size, in pixels
};

const Child kChildren[] = {
    {"GPS Data Entry", pellucors::TwipsRect(0, 0, 5820, 6945)},
    {"GPS Error Calculator", pellucors::TwipsRect(5910, 0, 5775, 2805)},
    {"GPS Data", pellucors::TwipsRect(5910, 3180, 5775, 4305)},
};
// Room around a child's client area for its frame and title bar.
constexpr int kFrameRoom = 40;

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: pellucors_workspace_check SHOT.png [SCALE]\n");
        return 2;
    }
    const double scale = argc == 3 ? std::atof(argv[2]) : 1.0;
    const QTransform scaled = QTransform::fromScale(scale, scale);
    const QImage shot =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (shot.width() < 200 || shot.height() < 200) {
        std::fprintf(stderr, "no screenshot in %s\n", argv[1]);
        return 2;
    }

    // The maximised main window's workspace reaches the screen's bottom right
    // corner; its left edge is where that colour's run along the bottom row
    // begins, its top where the run up the right-hand column begins. The child
    // windows lie at the top left, clear of both.
    const QPoint corner(shot.width() - 20, shot.height() - 20);
    const QRgb workspace = shot.pixel(corner);
    int left = corner.x();
    while (left > 0 && shot.pixel(left - 1, corner.y()) == workspace)
        --left;
    int top = corner.y();
    while (top > 0 && shot.pixel(corner.x(), top - 1) == workspace)
        --top;
    const QRect area(QPoint(left, top), corner);
    std::printf("workspace #%06x at %d,%d %dx%d\n", workspace & 0xffffff, area.x(), area.y(),
                area.width(), area.height());
    bool ok = true;
    if (area.width() < shot.width() / 2 || area.height() < shot.height() / 2) {
        std::printf("FAIL: no workspace covering most of the screen\n");
        ok = false;
    }

    // Each child window covers its client area: hardly a pixel of it shows
    // the workspace.
    std::vector<QRect> occupied;
    for (const Child& child : kChildren) {
        const QRect client = scaled.mapRect(child.home).translated(area.topLeft());
        int bare = 0;
        for (int y = client.top(); y <= client.bottom(); ++y) {
            for (int x = client.left(); x <= client.right(); ++x)
                bare += shot.valid(x, y) && shot.pixel(x, y) == workspace;
        }
        const double bareShare = 100.0 * bare / (client.width() * client.height());
        std::printf("%s at %d,%d %dx%d: %.1f%% workspace\n", child.caption, client.x(), client.y(),
                    client.width(), client.height(), bareShare);
        if (bareShare > 5.0) {
            std::printf("FAIL: %s is not there\n", child.caption);
            ok = false;
        }
        occupied.push_back(client.adjusted(0, 0, kFrameRoom * scale, kFrameRoom * scale));
    }

    // Everywhere else the workspace is bare: no splash or other window left.
    int covered = 0;
    QPoint first;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            bool inChild = false;
            for (const QRect& rect : occupied)
                inChild = inChild || rect.contains(x, y);
            if (!inChild && shot.pixel(x, y) != workspace && covered++ == 0)
                first = QPoint(x, y);
        }
    }
    if (covered > 0) {
        std::printf("FAIL: %d pixels of the workspace covered by something else, first at %d,%d\n",
                    covered, first.x(), first.y());
        ok = false;
    }
    return ok ? 0 : 1;
}
