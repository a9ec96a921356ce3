#include "QueuePaper.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSizeF>

namespace pellucors {

namespace {
QPageSize PaperFromName(const QString& name) {
    // PWG self-describing names end in the size: class_name_WxHunit.
    static const QRegularExpression pwg(
        QStringLiteral("^[a-z0-9-]+_[a-z0-9.-]+_([0-9.]+)x([0-9.]+)(mm|in)$"));
    if (const QRegularExpressionMatch size = pwg.match(name); size.hasMatch()) {
        const QSizeF dimensions(size.captured(1).toDouble(), size.captured(2).toDouble());
        return QPageSize(dimensions,
                         size.captured(3) == QLatin1String("mm") ? QPageSize::Millimeter
                                                                 : QPageSize::Inch,
                         QString(), QPageSize::FuzzyMatch);
    }
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto paper = static_cast<QPageSize::PageSizeId>(id);
        if (QPageSize::key(paper).compare(name, Qt::CaseInsensitive) == 0)
            return QPageSize(paper);
    }
    return {};
}
} // namespace

QPageSize PaperFromMedia(const QString& media) {
    for (const QString& name : media.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QPageSize paper = PaperFromName(name.trimmed());
        if (paper.isValid())
            return paper;
    }
    return {};
}

QPageSize LocalePaper() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

} // namespace pellucors
