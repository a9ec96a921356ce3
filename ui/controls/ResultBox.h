#pragma once

#include <QFont>
#include <QLabel>

namespace pellucors {

// A bordered, centred result label whose accessible name carries its heading
// and its value, so a screen reader announces "Ground Station Spacing in
// Kilometers: 25" rather than a bare number. A value wider than the box is
// drawn smaller rather than cut at the border, where it would read as another
// number.
class ResultBox final : public QLabel {
    Q_OBJECT
public:
    // Font sizes tried below the designed one, in points.
    static constexpr double kFitStepPoints = 0.25;
    static constexpr double kSmallestPoints = 1.0;

    ResultBox(const QString& heading, QWidget* parent);

    void SetHeading(const QString& heading);
    // An empty value clears the box.
    void SetResult(const QString& value);
    // The font set on the box (12 pt); font() is what the value is drawn in.
    QFont DesignedFont() const { return m_designedFont; }
    // Width the value may take: the box inside its border.
    int TextRoom() const;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateAccessibleName();
    // The designed font when the value fits, else the largest smaller size
    // (in steps of kFitStepPoints) at which it fits whole.
    void FitText();

    QString m_heading;
    QFont m_designedFont;
    bool m_fitting = false;
};

} // namespace pellucors
