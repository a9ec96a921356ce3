#include "Centring.h"

#include <algorithm>

namespace pellucors {

QPoint CentredFramePosition(const QRect& available, const QSize& frameSize) {
    return {available.left() + std::max(0, (available.width() - frameSize.width()) / 2),
            available.top() + std::max(0, (available.height() - frameSize.height()) / 2)};
}

} // namespace pellucors
