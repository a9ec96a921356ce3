#pragma once

#include <QLabel>

namespace pellucors {

// A bordered, centred result label whose accessible name carries its heading
// and its value, so a screen reader announces "Ground Station Spacing in
// Kilometers: 25" rather than a bare number.
class ResultBox final : public QLabel {
    Q_OBJECT
public:
    ResultBox(const QString& heading, QWidget* parent);

    void SetHeading(const QString& heading);
    // An empty value clears the box.
    void SetResult(const QString& value);

private:
    void UpdateAccessibleName();

    QString m_heading;
};

} // namespace pellucors
