#include "ChildWindowStyle.h"

#include <algorithm>

namespace pellucors {

int ChildWindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_MdiSubWindowFrameWidth:
        return kFrameWidth;
    case PM_TitleBarHeight:
        return std::min(base, kMaxTitleBarHeight);
    default:
        return base;
    }
}

} // namespace pellucors
