#include "QtListService.h"

#include <QListWidget>

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
// seen; the current row and the selection stay as they were.
void QtListService::InsertRow(int index, const std::string& text) {
    m_list.insertItem(index, QString::fromStdString(text));
    m_list.scrollToItem(m_list.item(index));
}

void QtListService::AppendRow(const std::string& text) {
    m_list.addItem(QString::fromStdString(text));
    m_list.scrollToItem(m_list.item(m_list.count() - 1));
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
