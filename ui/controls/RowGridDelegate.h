#pragma once

#include <QStyledItemDelegate>

#include <vector>

namespace pellucors {

// Shows each GPS Data row with its columns on the list font's grid: an ASCII
// row as the style draws it, any other column by column (RowOnGrid), its
// designation isolated to read in its own direction, a character no face has
// as a visible mark. The stored row is not changed.
class RowGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // A text of a row as drawn, `x` pixels right of where the row starts.
    struct PlacedText {
        qreal x;
        QString text;
    };
    // The texts of a row that is not ASCII, as drawn in `font`.
    static std::vector<PlacedText> Placed(const QString& row, const QFont& font);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace pellucors
