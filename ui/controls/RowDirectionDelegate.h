#pragma once

#include <QStyledItemDelegate>

namespace pellucors {

// Shows each GPS Data row left to right as a whole, its columns in place,
// with a right-to-left designation isolated so that it reads correctly inside
// its own column. Only what is drawn changes: the row's text stays as stored.
class RowDirectionDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The row as drawn: unchanged without right-to-left text.
    static QString DisplayedRow(const QString& row);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace pellucors
