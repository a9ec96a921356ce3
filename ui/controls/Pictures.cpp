#include "Pictures.h"

#include "LazyIconEngine.h"
#include "Twips.h"

#include <QLabel>

namespace pellucors {

QPixmap Emblem() {
    return QPixmap(QStringLiteral(":/pellucors/emblem.png"));
}
QIcon WindowIcon() {
    return QIcon(
        new LazyIconEngine({{QStringLiteral(":/pellucors/emblem.png"), QSize(32, 32)},
                            {QStringLiteral(":/pellucors/emblem-256.png"), QSize(256, 256)}}));
}
QPixmap Logo() {
    return QPixmap(QStringLiteral(":/pellucors/logo.jpg"));
}

QLabel* MakePicture(QWidget* parent, const char* name, const QPixmap& picture, int left, int top,
                    int width, int height, bool bordered) {
    auto* control = new QLabel(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(TwipsRect(left, top, width, height));
    control->setPixmap(picture);
    control->setScaledContents(true);
    if (bordered) {
        control->setFrameStyle(QFrame::Box | QFrame::Plain);
        control->setLineWidth(1);
    }
    return control;
}

} // namespace pellucors
