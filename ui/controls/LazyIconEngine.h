#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>

#include <optional>
#include <utility>

namespace pellucors {

// An icon made of picture files of known sizes that reads none of them until
// a pixmap is asked for. QIcon::addFile decodes every file at once, which
// made the large window icon a good part of start-up where nothing shows it.
class LazyIconEngine : public QIconEngine {
public:
    using SizedFile = std::pair<QString, QSize>;
    explicit LazyIconEngine(QList<SizedFile> files);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;
    bool isNull() override;

    // Whether any file has been read yet.
    bool IsLoaded() const { return m_loaded.has_value(); }

private:
    QIcon& Loaded();

    QList<SizedFile> m_files;
    std::optional<QIcon> m_loaded;
};

} // namespace pellucors
