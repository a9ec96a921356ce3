#pragma once

#include "platform/ListService.h"

class QListWidget;

namespace pellucors {

// The list service over a QListWidget that the window owns.
class QtListService final : public ListService {
public:
    explicit QtListService(QListWidget& list) : m_list(list) {}

    int RowCount() const override;
    std::string RowText(int index) const override;
    int SelectedIndex() const override;
    void InsertRow(int index, const std::string& text) override;
    void AppendRow(const std::string& text) override;
    void RemoveRow(int index) override;
    void Clear() override;

private:
    void ShowRowSoon(int index);

    QListWidget& m_list;
};

} // namespace pellucors
