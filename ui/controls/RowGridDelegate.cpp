#include "RowGridDelegate.h"

#include "core/ListRow.h"
#include "platform/qt/DrawableText.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pellucors {

namespace {
bool IsAsciiRow(const QString& row) {
    return std::all_of(row.begin(), row.end(), [](QChar c) { return c.unicode() < 0x80; });
}

QStyle* StyleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

// What the style leaves between the item's text area and its text.
int TextMargin(const QStyleOptionViewItem& option) {
    return StyleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}
} // namespace

std::vector<RowGridDelegate::PlacedText> RowGridDelegate::Placed(const QString& row,
                                                                 const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.horizontalAdvance(QLatin1Char(' '));
    const std::string text = row.toStdString();
    const QString designation =
        DrawableText(QString::fromStdString(text.substr(0, DesignationEnd(text))), font);
    const auto drawnCells =
        static_cast<std::size_t>(std::ceil(metrics.horizontalAdvance(designation) / cell - 1e-6));
    std::vector<PlacedText> placed;
    for (const GridText& piece : RowOnGrid(text, drawnCells)) {
        QString shown = DrawableText(QString::fromStdString(piece.text), font);
        // First-strong isolate: the designation takes its direction from its
        // own letters.
        if (piece.cell == 0)
            shown = QChar(0x2068) + shown + QChar(0x2069);
        placed.push_back({static_cast<qreal>(piece.cell) * cell, shown});
    }
    return placed;
}

void RowGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    if (IsAsciiRow(index.data(Qt::DisplayRole).toString())) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    QStyle* style = StyleOf(item);
    const QRect textArea = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget)
                               .adjusted(TextMargin(item), 0, -TextMargin(item), 0);
    const QString row = item.text;
    item.text.clear(); // the background, the selection and the focus frame
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : item.state & QStyle::State_Active   ? QPalette::Normal
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(
        group, item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    for (const PlacedText& piece : Placed(row, item.font)) {
        const QRectF at(textArea.left() + piece.x, textArea.top(), textArea.width(),
                        textArea.height());
        painter->drawText(at, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, piece.text);
    }
    painter->restore();
}

QSize RowGridDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize hint = QStyledItemDelegate::sizeHint(option, index);
    if (IsAsciiRow(index.data(Qt::DisplayRole).toString()))
        return hint;
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QFontMetricsF metrics(item.font);
    qreal end = 0;
    for (const PlacedText& piece : Placed(item.text, item.font))
        end = std::max(end, piece.x + metrics.horizontalAdvance(piece.text));
    hint.setWidth(std::max(hint.width(), static_cast<int>(std::ceil(end)) + 2 * TextMargin(item)));
    return hint;
}

} // namespace pellucors
