#pragma once

#include "DistanceUnit.h"
#include "GpsEntry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace pellucors {

class ListService;
class MessageService;

// The log of ground-station entries for the program's lifetime: the entry
// table, the count since the last clear and the cleared flag. The rows
// themselves live only in the GPS Data list, reached through `list`.
class GpsLog {
public:
    static constexpr int kSlots = 32;      // slots 0..29 logged, 30 refused, 31 unused
    static constexpr int kMaxEntries = 30; // what fits on the printout

    // `list` returns the GPS Data list, whose window is made after the log.
    GpsLog(MessageService& messages, std::function<ListService&()> list,
           std::string decimalSeparator);

    // Logs one calculation in the selected unit. The length comes as the user
    // typed it, in that unit, so the row shows what was typed and not a value
    // converted to kilometres and back; spacing and max distance come in
    // kilometres as computed. Warns at the 30th entry and refuses the 31st.
    void AddGpsEntry(const std::string& lineNo, float typedLength, const std::string& unitName,
                     std::int16_t stationCount, float spacingKm, float maxDistanceKm,
                     UnitIndex unit);

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
    std::function<ListService&()> m_list;
    std::string m_decimalSeparator;
    std::array<GpsEntry, kSlots> m_entries{};
    std::int16_t m_entryCount = 0;
    bool m_listCleared = false;
};

} // namespace pellucors
