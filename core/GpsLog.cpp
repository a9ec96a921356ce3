#include "GpsLog.h"

#include "CheckedArithmetic.h"
#include "ListRow.h"
#include "NumberText.h"
#include "SurveyMath.h"
#include "platform/ListService.h"
#include "platform/MessageService.h"

namespace pellucors {

GpsLog::GpsLog(MessageService& messages, std::function<ListService&()> list,
               std::string decimalSeparator)
    : m_messages(messages), m_list(std::move(list)),
      m_decimalSeparator(std::move(decimalSeparator)) {}

void GpsLog::AddGpsEntry(const std::string& lineNo, float typedLength, const std::string& unitName,
                         std::int16_t stationCount, float spacingKm, float maxDistanceKm,
                         UnitIndex unit) {
    if (m_listCleared) {
        m_listCleared = false;
        m_entryCount = 0;
    }

    GpsEntry entry;
    entry.lineNo = lineNo;
    entry.lineLength = NarrowToSingle(RoundToCents(typedLength));
    entry.noGroundStations = stationCount;
    entry.spacing = ShownDistance(spacingKm, unit);
    entry.maxDistance = ShownDistance(maxDistanceKm, unit);
    if (const auto abbreviation = UnitAbbreviation(unit)) {
        entry.unitAbbrev = *abbreviation;
    } else {
        ShowUnitReminder(m_messages);
        entry.unitAbbrev = unitName;
    }
    m_entries.at(static_cast<std::size_t>(m_entryCount)) = entry;

    const std::string row = FormatListRow(entry, m_decimalSeparator);
    if (m_entryCount == kMaxEntries - 1) {
        m_messages.Show("Pellucors - Warning!",
                        "This is your last entry. Only this last entry will fit on the "
                        "printout.\r\n"
                        "Please print the data entered so far then clear the GPS data from the "
                        "list.",
                        MessageIcon::Information, MessageButtons::Ok);
        AppendListRow(row, kMaxEntries - 1);
    } else if (m_entryCount >= kMaxEntries) {
        m_messages.Show("Pellucors - Too many entries!",
                        "You can not make this entry as it will not fit on the printout.\r\n"
                        "If you would like to continue entering data print the data already "
                        "entered.\r\n"
                        "Clear the data list only then may you start entering additional data",
                        MessageIcon::Exclamation, MessageButtons::Ok);
        m_entryCount = kMaxEntries - 1;
    } else {
        AppendListRow(row, m_entryCount);
    }
    ++m_entryCount;
}

void GpsLog::AppendListRow(const std::string& row, int position) {
    ListService& list = m_list();
    const int index = position + 1;
    if (list.RowCount() < index)
        list.AppendRow(row);
    else
        list.InsertRow(index, row);
}

} // namespace pellucors
