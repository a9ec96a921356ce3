#pragma once

#include "GpsEntry.h"

#include <array>
#include <cstdint>
#include <string>

namespace pellucors {

class ListService;
class MessageService;
struct StationPlan;

// The log of ground-station entries for the program's lifetime: the entry
// table, the count since the last clear and the cleared flag. The rows
// themselves live only in the GPS Data list.
class GpsLog {
public:
    static constexpr int kSlots = 32;      // slots 0..29 logged, 30 refused, 31 unused
    static constexpr int kMaxEntries = 30; // what fits on the printout

    // `list` is the GPS Data list, whose window is made before the log.
    GpsLog(MessageService& messages, ListService& list, std::string decimalSeparator);

    // Logs the whole plan of one line in the plan's unit: the length as the
    // user typed it, in that unit, so the row shows what was typed and not a
    // value converted to kilometres and back; spacing and max distance from
    // kilometres as computed. An index outside the units shows the unit
    // reminder and logs kilometres under the plan's unit name. Warns at the
    // 30th entry and refuses the 31st.
    void AddGpsEntry(const std::string& lineNo, const StationPlan& plan);

    // Inserts `row` below the heading and the `position` rows before it, or
    // at the end when rows were removed since.
    void AppendListRow(const std::string& row, int position);

    // Clear List was confirmed: the next entry starts the count again.
    void MarkListCleared() { m_listCleared = true; }

    std::int16_t EntryCount() const { return m_entryCount; }
    bool ListCleared() const { return m_listCleared; }
    // Bounds-checked: throws std::out_of_range outside 0..31.
    const GpsEntry& Entry(int slot) const { return m_entries.at(static_cast<std::size_t>(slot)); }

private:
    MessageService& m_messages;
    ListService& m_list;
    std::string m_decimalSeparator;
    std::array<GpsEntry, kSlots> m_entries{};
    std::int16_t m_entryCount = 0;
    bool m_listCleared = false;
};

} // namespace pellucors
