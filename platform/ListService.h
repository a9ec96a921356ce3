#pragma once

#include <string>

namespace pellucors {

// A single-selection list of text rows (the GPS Data list). Rows after an
// inserted or removed row move by one.
class ListService {
public:
    virtual ~ListService() = default;
    virtual int RowCount() const = 0;
    virtual std::string RowText(int index) const = 0;
    // -1 when no row is selected.
    virtual int SelectedIndex() const = 0;
    // `index` from 0 to RowCount().
    virtual void InsertRow(int index, const std::string& text) = 0;
    virtual void AppendRow(const std::string& text) = 0;
    virtual void RemoveRow(int index) = 0;
    virtual void Clear() = 0;
};

} // namespace pellucors
