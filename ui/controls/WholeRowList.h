#pragma once

#include <QListWidget>

namespace pellucors {

// A list box that shows whole rows only, as classic list boxes do: its height
// snaps down to the largest whole number of rows (plus its frame, and the
// horizontal scroll bar while that shows) that fits the designed height, so
// no row is ever half hidden at the bottom. Top, left and width stay as
// designed. Each row is shown left to right, whatever script its designation
// is in, and its frame shows whole at every display scale.
class WholeRowList final : public QListWidget {
    Q_OBJECT
public:
    explicit WholeRowList(QWidget* parent);

    // Places the list; its height is then snapped within `designed`.
    void SetDesignedGeometry(const QRect& designed);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SnapHeight();
    void KeepFrameAbove();

    QWidget* m_frameAbove; // the frame drawn again, above the rows
    int m_designedHeight = 0;
    // Measured once, not at every change of rows: every row has the list's
    // one font, and measuring shapes a whole row of text.
    int m_rowHeight = 0;
};

} // namespace pellucors
