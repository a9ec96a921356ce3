#pragma once

#include <QProxyStyle>

namespace pellucors {

// The frame of the child windows: a 3-pixel border and a compact title bar,
// as the home positions were laid out for, so the ground station calculator
// and the two windows to its right stand side by side without overlapping.
class ChildWindowStyle final : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kFrameWidth = 3;
    static constexpr int kMaxTitleBarHeight = 19; // fits 2805 twips of error calculator above 3180

    ChildWindowStyle() = default;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace pellucors
