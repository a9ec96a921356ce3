#include "LazyIconEngine.h"

namespace pellucors {

LazyIconEngine::LazyIconEngine(QList<SizedFile> files) : m_files(std::move(files)) {}

QIcon& LazyIconEngine::Loaded() {
    if (!m_loaded) {
        m_loaded.emplace();
        for (const auto& [file, size] : m_files)
            m_loaded->addFile(file, size);
    }
    return *m_loaded;
}

void LazyIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize LazyIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Loaded().actualSize(size, mode, state);
}

QPixmap LazyIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Loaded().pixmap(size, mode, state);
}

// QIcon asks with the size already in device pixels; the scale is applied by
// QIcon afterwards.
QPixmap LazyIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                     qreal /*scale*/) {
    return Loaded().pixmap(size, mode, state);
}

// Answered from the declared sizes, so a platform that only lists them reads
// nothing.
QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) {
    QList<QSize> sizes;
    for (const auto& sizedFile : m_files)
        sizes.append(sizedFile.second);
    return sizes;
}

QString LazyIconEngine::key() const {
    return QStringLiteral("PellucorsLazyIcon");
}

QIconEngine* LazyIconEngine::clone() const {
    return new LazyIconEngine(m_files);
}

bool LazyIconEngine::isNull() {
    return m_files.isEmpty();
}

} // namespace pellucors
