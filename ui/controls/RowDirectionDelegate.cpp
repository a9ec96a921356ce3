#include "RowDirectionDelegate.h"

#include "core/ListRow.h"

namespace pellucors {

QString RowDirectionDelegate::DisplayedRow(const QString& row) {
    const std::string text = row.toStdString();
    if (!HasRightToLeftText(text))
        return row;
    // First-strong isolate and its end: the designation takes its direction
    // from its own letters and counts as one neutral block in the row, whose
    // paragraph direction is the list's, left to right.
    const std::size_t end = DesignationEnd(text);
    return QChar(0x2068) + QString::fromStdString(text.substr(0, end)) + QChar(0x2069) +
           QString::fromStdString(text.substr(end));
}

void RowDirectionDelegate::initStyleOption(QStyleOptionViewItem* option,
                                           const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = DisplayedRow(option->text);
}

} // namespace pellucors
