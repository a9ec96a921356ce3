#include "QtListService.h"

#include <QListWidget>
#include <QPersistentModelIndex>

namespace pellucors {

int QtListService::RowCount() const {
    return m_list.count();
}

std::string QtListService::RowText(int index) const {
    const QListWidgetItem* row = m_list.item(index);
    return row ? row->text().toStdString() : std::string();
}

int QtListService::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = m_list.selectedItems();
    return selected.isEmpty() ? -1 : m_list.row(selected.front());
}

// The row just added is scrolled into view, so the entry just logged can be
// seen; the current row and the selection stay as they were. Scrolling lays
// the whole list out at once, so it waits until the handler has returned:
// the list is laid out once, as it would be to be drawn, not at each row.
void QtListService::ShowRowSoon(int index) {
    const QPersistentModelIndex row(m_list.model()->index(index, 0));
    QMetaObject::invokeMethod(
        &m_list,
        [list = &m_list, row] {
            if (row.isValid())
                list->scrollTo(row);
        },
        Qt::QueuedConnection);
}

void QtListService::InsertRow(int index, const std::string& text) {
    m_list.insertItem(index, QString::fromStdString(text));
    ShowRowSoon(index);
}

void QtListService::AppendRow(const std::string& text) {
    m_list.addItem(QString::fromStdString(text));
    ShowRowSoon(m_list.count() - 1);
}

void QtListService::RemoveRow(int index) {
    delete m_list.takeItem(index);
    // A removal leaves nothing selected, so a second Remove asks again.
    m_list.clearSelection();
    m_list.setCurrentRow(-1);
}

void QtListService::Clear() {
    m_list.clear();
}

} // namespace pellucors
