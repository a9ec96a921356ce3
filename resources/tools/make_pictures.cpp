// Draws Pellucors' own pictures: the emblem (32 px palette PNG and 256 px ARGB PNG) and the
// logo (229 x 130 JPEG). Everything is plain vector drawing with fixed numbers and no text, so
// the output is the same on every run and on every machine.

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

// Shared palette: navy for depth, teal for the ground and survey lines, orange for GPS gear.
const QColor navyDark(0x0b, 0x1f, 0x3a);
const QColor navy(0x14, 0x36, 0x5e);
const QColor teal(0x1f, 0xa3, 0x9a);
const QColor tealLight(0x5f, 0xd4, 0xc6);
const QColor orange(0xf2, 0x8c, 0x28);
const QColor white(0xfa, 0xfb, 0xfc);

// A high-wing survey aircraft seen from above, nose towards -y. The wing is clearly longer than
// the fuselage and the nose is tapered, so it reads as an aircraft even a dozen pixels wide.
QPainterPath planeTopView() {
    QPainterPath body;
    body.moveTo(0, -50);
    body.cubicTo(6, -50, 8, -42, 8, -30);
    body.lineTo(4, 34);
    body.lineTo(-4, 34);
    body.lineTo(-8, -30);
    body.cubicTo(-8, -42, -6, -50, 0, -50);
    body.closeSubpath();
    QPainterPath wing;
    wing.addRoundedRect(QRectF(-60, -22, 120, 18), 8, 8);
    QPainterPath tail;
    tail.moveTo(-24, 38);
    tail.lineTo(-20, 26);
    tail.lineTo(20, 26);
    tail.lineTo(24, 38);
    tail.closeSubpath();
    return body.united(wing).united(tail).simplified();
}

// The same kind of aircraft from the side, nose towards +x, about 70 units long, drawn through
// transform t: white body, grey wing on top of the cabin with its strut, fixed wheels.
void drawPlaneSide(QPainter& p, const QTransform& t) {
    QPainterPath body;
    body.moveTo(30, 1); // nose
    body.cubicTo(30, -3, 27, -5, 23, -5);
    body.lineTo(17, -9); // windscreen
    body.lineTo(-4, -9);
    body.lineTo(-22, -5);
    body.lineTo(-30, -18); // fin
    body.lineTo(-36, -18);
    body.lineTo(-36, -1);
    body.cubicTo(-20, 3, 0, 6, 18, 6); // belly
    body.cubicTo(26, 6, 30, 4, 30, 1);
    body.closeSubpath();

    const QColor grey(0xc9, 0xd4, 0xdf);
    const QColor dark(0x22, 0x2c, 0x38);
    p.setPen(QPen(grey, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(t.map(QPointF(12, 5)), t.map(QPointF(14, 10))); // main gear leg
    p.drawLine(t.map(QPointF(25, 4)), t.map(QPointF(25, 10))); // nose gear leg
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(t.map(body));

    QPainterPath band; // orange fin band ties the aircraft to the palette
    band.addRect(QRectF(-37, -19, 8, 6));
    p.setBrush(orange);
    p.drawPath(t.map(band.intersected(body)));

    QPainterPath windows;
    windows.addRoundedRect(QRectF(1, -7, 6, 3.5), 1, 1);
    windows.addRoundedRect(QRectF(8.5, -7, 6, 3.5), 1, 1);
    p.setBrush(QColor(0x5e, 0x9c, 0xc4));
    p.drawPath(t.map(windows));

    QPainterPath wing; // high wing, seen nearly edge-on above the cabin
    wing.addRoundedRect(QRectF(-6, -12.5, 26, 3.5), 1.7, 1.7);
    QPainterPath tailplane;
    tailplane.addRoundedRect(QRectF(-39, -4, 14, 3), 1.5, 1.5);
    p.setBrush(grey);
    p.drawPath(t.map(wing.united(tailplane)));
    p.setPen(QPen(grey, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(t.map(QPointF(7, -10)), t.map(QPointF(1, 3))); // wing strut

    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawEllipse(t.map(QPointF(14, 10)), 2.3, 2.3);
    p.drawEllipse(t.map(QPointF(25, 10)), 1.9, 1.9);
    p.setBrush(QColor(255, 255, 255, 110)); // spinning propeller disc, seen edge-on
    QPainterPath prop;
    prop.addEllipse(QRectF(30, -9, 2, 20));
    p.drawPath(t.map(prop));
    p.setBrush(orange);
    p.drawEllipse(t.map(QPointF(31, 1)), 1.6, 1.6);
}

// A lattice mast with the GPS antenna on top; base centre at (0, 0), height h, pointing up.
void drawMast(QPainter& p, double h, double width, QColor colour) {
    const double half = h * 0.16;
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(-half, 0), QPointF(0, -h));
    p.drawLine(QPointF(half, 0), QPointF(0, -h));
    // Cross braces make it read as a tower rather than a letter A.
    for (double t : {0.35, 0.65}) {
        const double y = -h * t;
        const double w = half * (1 - t);
        p.drawLine(QPointF(-w, y), QPointF(w, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(0, -h), width * 1.3, width * 1.3);
}

// Signal arcs around c, spanning `span` degrees from `start` (counter-clockwise from 3
// o'clock, as QPainter counts). Outer arcs fade to suggest the signal weakening with distance.
void drawArcs(QPainter& p, QPointF c, const std::vector<double>& radii, double start, double span,
              double width, QColor colour) {
    for (std::size_t i = 0; i < radii.size(); ++i) {
        QColor col = colour;
        col.setAlphaF(1.0 - 0.3 * double(i) / double(radii.size()));
        p.setPen(QPen(col, width, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const double r = radii[i];
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(start * 16), int(span * 16));
    }
}

// The emblem on a 256 x 256 canvas: navy tile, parallel survey lines, an aircraft flying parallel
// to them and the base-station mast sending its correction signal up to the aircraft.
QImage drawEmblem() {
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(4, 4, 248, 248), 52, 52);
    QLinearGradient sky(0, 0, 0, 256);
    sky.setColorAt(0, navy);
    sky.setColorAt(1, navyDark);
    p.fillPath(tile, sky);
    p.setClipPath(tile);

    // Survey lines on the ground run diagonally, parallel to the aircraft's track.
    p.setPen(QPen(teal, 14, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 3; ++i) {
        const double c = 344 + 62.0 * i; // line x + y = c
        p.drawLine(QPointF(c - 300, 300), QPointF(300, c - 300));
    }

    // The aircraft heads for the top-right corner; a navy outline keeps it apart from
    // anything it crosses.
    QTransform at;
    at.translate(172, 84);
    at.rotate(45);
    at.scale(1.12, 1.12);
    const QPainterPath plane = at.map(planeTopView());
    p.setPen(QPen(navyDark, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(white);
    p.drawPath(plane);
    p.setPen(Qt::NoPen); // fill again so the outline only grows outwards
    p.drawPath(plane);

    // Base station at lower left, its arcs opening towards the aircraft. The tower is solid:
    // lattice detail would blur into a smudge at 32 px.
    QPolygonF tower;
    tower << QPointF(44, 228) << QPointF(84, 228) << QPointF(68, 128) << QPointF(60, 128);
    p.setBrush(orange);
    p.drawPolygon(tower);
    p.drawEllipse(QPointF(64, 124), 15, 15);
    drawArcs(p, QPointF(64, 124), {38, 66}, 5, 80, 14, orange);

    p.setClipping(false);
    // A thin light rim keeps the tile distinct on dark panels and task bars.
    p.setPen(QPen(QColor(255, 255, 255, 40), 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tile);
    return img;
}

// Median cut over the image's own colours (weighted by pixel count), so the palette fits the
// artwork instead of a fixed colour cube. Deterministic: std::map orders colours by value.
QVector<QRgb> medianCutPalette(const QImage& img, int maxColours) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++counts[img.pixel(x, y)];
    using Entry = std::pair<QRgb, int>;
    std::vector<std::vector<Entry>> boxes(1, std::vector<Entry>(counts.begin(), counts.end()));

    auto channel = [](QRgb c, int k) { return int((c >> (8 * k)) & 0xff); }; // k: 0=B 1=G 2=R 3=A
    while (int(boxes.size()) < maxColours) {
        // Split the box with the widest channel range; stop when every box is a single colour.
        int best = -1, bestChannel = 0, bestRange = 0;
        for (int b = 0; b < int(boxes.size()); ++b) {
            for (int k = 0; k < 4; ++k) {
                int lo = 255, hi = 0;
                for (const Entry& e : boxes[b]) {
                    lo = std::min(lo, channel(e.first, k));
                    hi = std::max(hi, channel(e.first, k));
                }
                if (hi - lo > bestRange) {
                    best = b, bestChannel = k, bestRange = hi - lo;
                }
            }
        }
        if (best < 0)
            break;
        auto& box = boxes[best];
        std::stable_sort(box.begin(), box.end(), [&](const Entry& a, const Entry& e) {
            return channel(a.first, bestChannel) < channel(e.first, bestChannel);
        });
        long total = 0, half = 0;
        for (const Entry& e : box)
            total += e.second;
        std::size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            half += box[cut - 1].second;
            if (2 * half >= total)
                break;
        }
        boxes.emplace_back(box.begin() + long(cut), box.end());
        boxes[best].resize(cut);
    }

    QVector<QRgb> palette;
    for (const auto& box : boxes) {
        double sum[4] = {0, 0, 0, 0};
        double n = 0;
        for (const Entry& e : box) {
            for (int k = 0; k < 4; ++k)
                sum[k] += channel(e.first, k) * e.second;
            n += e.second;
        }
        palette.append(qRgba(int(sum[2] / n + 0.5), int(sum[1] / n + 0.5), int(sum[0] / n + 0.5),
                             int(sum[3] / n + 0.5)));
    }
    return palette;
}

// The emblem at 32 px as an 8-bit palette image (256 colours at most, alpha kept per entry).
QImage smallEmblem(const QImage& big) {
    const QImage small = big.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    return small.convertToFormat(QImage::Format_Indexed8, medianCutPalette(small, 256),
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

// The logo scene: dusk sky, survey strips on the ground in perspective, an aircraft taking
// photos along one strip, and the base-station mast talking to it.
QImage drawLogo() {
    const int w = 229, h = 130, ss = 4; // drawn 4x larger, then scaled down for clean edges
    QImage img(w * ss, h * ss, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(ss, ss);

    const double horizon = 80;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, navyDark);
    sky.setColorAt(0.65, navy);
    sky.setColorAt(1, QColor(0x3c, 0x7f, 0x9c));
    p.fillRect(QRectF(0, 0, w, horizon), sky);

    QLinearGradient ground(0, horizon, 0, h);
    ground.setColorAt(0, QColor(0x1c, 0x5a, 0x5e));
    ground.setColorAt(1, QColor(0x0f, 0x3b, 0x42));
    p.fillRect(QRectF(0, horizon, w, h - horizon), ground);

    // Survey strips converge on a vanishing point on the horizon; every other strip is a shade
    // lighter, like photo runs flown side by side.
    const QPointF vp(108, horizon - 26);
    auto onGround = [&](double bottomX, double y) {
        const double t = (y - vp.y()) / (h - vp.y());
        return QPointF(vp.x() + (bottomX - vp.x()) * t, y);
    };
    p.setClipRect(QRectF(0, horizon, w, h - horizon));
    for (int i = -8; i < 9; ++i) {
        const double x0 = vp.x() + i * 34.0, x1 = x0 + 34.0;
        QPolygonF strip;
        strip << onGround(x0, horizon) << onGround(x1, horizon) << QPointF(x1, h) << QPointF(x0, h);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(255, 255, 255, 10) : QColor(0, 0, 0, 0));
        p.drawPolygon(strip);
        p.setPen(QPen(QColor(tealLight.red(), tealLight.green(), tealLight.blue(), 150), 0.7));
        p.drawLine(onGround(x0, horizon), QPointF(x0, h));
    }
    // Faint cross lines complete the grid; spacing grows towards the viewer.
    p.setPen(QPen(QColor(255, 255, 255, 28), 0.5));
    for (double d = 1.0; d < 40; d *= 1.6) {
        const double y = horizon + d;
        p.drawLine(QPointF(0, y), QPointF(w, y));
    }
    p.setClipping(false);

    // Faint haze along the horizon softens the join between sky and ground.
    QLinearGradient haze(0, horizon - 6, 0, horizon + 6);
    haze.setColorAt(0, QColor(255, 255, 255, 0));
    haze.setColorAt(0.5, QColor(255, 255, 255, 40));
    haze.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, horizon - 6, w, 12), haze);

    // The camera's view: a pale wedge from the aircraft's belly onto the strip it is flying,
    // and the photo footprint lit up on that strip.
    const QPointF plane(94, 34);
    const double nearY = 114, farY = 98, left = vp.x() - 34, right = vp.x();
    QPolygonF footprint;
    footprint << onGround(left, farY) << onGround(right, farY) << onGround(right, nearY)
              << onGround(left, nearY);
    QPolygonF cone;
    cone << QPointF(plane.x() + 1, plane.y() + 5) << QPointF(plane.x() + 5, plane.y() + 5)
         << onGround(right, nearY) << onGround(left, nearY);
    QLinearGradient coneFill(0, plane.y(), 0, nearY);
    coneFill.setColorAt(0, QColor(255, 255, 255, 70));
    coneFill.setColorAt(1, QColor(255, 255, 255, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(coneFill);
    p.drawPolygon(cone);
    p.setBrush(QColor(tealLight.red(), tealLight.green(), tealLight.blue(), 45));
    p.drawPolygon(footprint);

    // Base station on the right; arcs open towards the aircraft.
    const QPointF mastBase(184, 104), antenna(184, 104 - 58);
    p.save();
    p.translate(mastBase);
    drawMast(p, 58, 2.2, orange);
    p.restore();
    drawArcs(p, antenna, {9, 17, 25}, 120, 85, 2.2, orange);
    // Ground plate under the mast so it stands rather than floats.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QRectF(mastBase.x() - 14, mastBase.y() - 2, 28, 5));

    // The aircraft, with a shadow on the ground strip it is flying.
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QRectF(plane.x() - 14, 116, 28, 4));
    QTransform t;
    t.translate(plane.x(), plane.y());
    t.rotate(-3); // a slight climb gives it life
    t.scale(0.9, 0.9);
    drawPlaneSide(p, t);
    p.end();

    return img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool save(const QImage& img, const QString& path, const char* format, int quality) {
    if (img.save(path, format, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The Windows icon: the emblem at the sizes Windows asks for (16 and 32 in
// menus and title bars, 48 and 256 in Explorer), each entry a PNG, which every
// Windows since Vista reads. Little-endian header, directory, then the images.
bool saveIcon(const QImage& big, const QImage& small32, const QString& path) {
    std::vector<QByteArray> pngs;
    const std::vector<int> sizes{16, 32, 48, 256};
    for (const int size : sizes) {
        const QImage image =
            size == 32    ? small32
            : size == 256 ? big.convertToFormat(QImage::Format_ARGB32)
                          : big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_ARGB32);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return false;
        pngs.push_back(png);
    }
    QByteArray ico;
    const auto put16 = [&ico](quint16 v) { ico.append(char(v & 0xff)).append(char(v >> 8)); };
    const auto put32 = [&](quint32 v) {
        put16(quint16(v & 0xffff));
        put16(quint16(v >> 16));
    };
    put16(0); // reserved
    put16(1); // an icon, not a cursor
    put16(quint16(sizes.size()));
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        ico.append(char(sizes[i] & 0xff)).append(char(sizes[i] & 0xff)); // 256 is written as 0
        ico.append(char(0)).append(char(0));                             // no palette, reserved
        put16(1);                                                        // planes
        put16(32);                                                       // bits per pixel
        put32(quint32(pngs[i].size()));
        put32(offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        ico.append(png);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + '/';
    const QImage emblem = drawEmblem();
    bool ok =
        save(emblem.convertToFormat(QImage::Format_ARGB32), dir + "emblem-256.png", "PNG", -1);
    const QImage small = smallEmblem(emblem);
    ok = save(small, dir + "emblem.png", "PNG", -1) && ok;
    ok = saveIcon(emblem, small, dir + "pellucors.ico") && ok;
    ok = save(drawLogo(), dir + "logo.jpg", "JPEG", 90) && ok;
    return ok ? 0 : 1;
}
