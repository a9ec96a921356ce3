#pragma once

#include "platform/ListService.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace pellucors::test {

// A list of rows in memory with bounds-checked access, so a wrong index in
// the code under test fails the test instead of passing silently.
class FakeList final : public ListService {
public:
    int RowCount() const override { return static_cast<int>(rows.size()); }
    std::string RowText(int index) const override { return rows.at(Index(index)); }
    int SelectedIndex() const override { return selected; }
    void InsertRow(int index, const std::string& text) override {
        if (index < 0 || index > RowCount())
            throw std::out_of_range("insert position");
        rows.insert(rows.begin() + index, text);
    }
    void AppendRow(const std::string& text) override { rows.push_back(text); }
    void RemoveRow(int index) override {
        rows.erase(rows.begin() + static_cast<long>(Index(index)));
        selected = -1;
    }
    void Clear() override {
        rows.clear();
        selected = -1;
    }

    std::vector<std::string> rows;
    int selected = -1;

private:
    std::size_t Index(int index) const {
        if (index < 0 || index >= RowCount())
            throw std::out_of_range("row index");
        return static_cast<std::size_t>(index);
    }
};

} // namespace pellucors::test
