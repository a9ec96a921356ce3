#include "GpsLog.h"

#include "CheckedArithmetic.h"
#include "ListRow.h"
#include "NumberText.h"
#include "StationPlan.h"
#include "SurveyMath.h"
#include "platform/ListService.h"
#include "platform/MessageService.h"

namespace pellucors {

namespace {
const OkMessage kLastEntry{"Pellucors - Warning!",
                           "This is your last entry. Only this last entry will fit on the "
                           "printout.\r\n"
                           "Please print the data entered so far then clear the GPS data from "
                           "the list.",
                           MessageIcon::Information};
const OkMessage kTooManyEntries{
    "Pellucors - Too many entries!",
    "You can not make this entry as it will not fit on the printout.\r\n"
    "If you would like to continue entering data print the data already entered.\r\n"
    "Clear the data list only then may you start entering additional data",
    MessageIcon::Exclamation};
} // namespace

GpsLog::GpsLog(MessageService& messages, ListService& list, std::string decimalSeparator)
    : m_messages(messages), m_list(list), m_decimalSeparator(std::move(decimalSeparator)) {}

void GpsLog::AddGpsEntry(const std::string& lineNo, const StationPlan& plan) {
    const UnitIndex unit = plan.unit;
    if (m_listCleared) {
        m_listCleared = false;
        m_entryCount = 0;
    }

    GpsEntry entry;
    entry.lineNo = lineNo;
    entry.lineLength = NarrowToSingle(RoundToCents(plan.length.value()));
    entry.noGroundStations = plan.stationCount.value();
    entry.spacing = ShownDistance(plan.spacingKm.value(), unit);
    entry.maxDistance = ShownDistance(plan.maxDistanceKm.value(), unit);
    if (const auto abbreviation = UnitAbbreviation(unit)) {
        entry.unitAbbrev = *abbreviation;
    } else {
        ShowUnitReminder(m_messages);
        entry.unitAbbrev = plan.unitName;
    }
    m_entries.at(static_cast<std::size_t>(m_entryCount)) = entry;

    const std::string row = FormatListRow(entry, m_decimalSeparator);
    if (m_entryCount == kMaxEntries - 1)
        ShowOk(m_messages, kLastEntry); // the row goes in once it is closed
    if (m_entryCount >= kMaxEntries) {
        ShowOk(m_messages, kTooManyEntries);
        m_entryCount = kMaxEntries - 1;
    } else {
        AppendListRow(row, m_entryCount);
    }
    ++m_entryCount;
}

void GpsLog::AppendListRow(const std::string& row, int position) {
    // Where rows were removed since, the list is shorter: at its end.
    m_list.InsertRow(std::min(position + 1, m_list.RowCount()), row);
}

} // namespace pellucors
