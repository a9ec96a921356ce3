#pragma once

#include <QStyledItemDelegate>

#include <vector>

namespace pellucors {

// Shows each GPS Data row with its columns where the list font's fixed-pitch
// grid puts them. An ASCII row is drawn as the style draws any row; any other
// row column by column (RowOnGrid), so that a name in a proportional fallback
// face or with wide characters moves no column, its designation isolated so
// that a right-to-left name reads in its own direction, and a character no
// face can draw shows as a visible mark. Only what is drawn changes: the
// row's text stays as stored.
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
