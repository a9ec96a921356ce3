// The GPS entry table and its list rows: length, spacing and max distance
// are logged in the selected unit, so the unit column names the row's unit. The log runs
// against a FakeList that holds the heading row as the real window's list does,
// and a FakeMessageService that records every message box.
#include "CoreTestHelpers.h"
#include "ExpectedMessages.h"
#include "FakeList.h"
#include "FakeMessageService.h"

#include "core/CheckedArithmetic.h"
#include "core/GpsLog.h"
#include "core/ListRow.h"
#include "core/NumberText.h"
#include "core/StationPlan.h"
#include "core/SurveyMath.h"

#include <QObject>
#include <QTest>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace pellucors;
using pellucors::test::FakeList;
using pellucors::test::FakeMessageService;
using namespace pellucors::test;
using pellucors::test::ToStd;
using pellucors::test::Visible;

namespace {

// A row given as its pieces and the number of spaces after each.
std::string Row(const std::vector<std::pair<std::string, int>>& pieces) {
    std::string row;
    for (const auto& [text, spaces] : pieces)
        row += text + std::string(static_cast<std::size_t>(spaces), ' ');
    return row;
}

// The log as the program holds it: the list already shows the heading row.
struct LogFixture {
    explicit LogFixture(std::string decimalSeparator = ".")
        : log(messages, list, std::move(decimalSeparator)) {
        list.AppendRow(TitleRow());
    }

    // What the ground station calculator does with typed inputs.
    void Enter(const std::string& lineNo, float typedLength, UnitIndex unit, float allowedError) {
        StationPlan plan;
        PlanStations(typedLength, unit, allowedError, messages, plan);
        log.AddGpsEntry(lineNo, plan);
    }

    // One ordinary kilometre entry, numbered so that rows can be told apart.
    void EnterNumbered(int n) { Enter("L" + std::to_string(n), 100.0F, 0, 5.0F); }

    static std::string NumberedRow(int n) {
        const std::string lineNo = "L" + std::to_string(n);
        return Row({{lineNo, 5 - static_cast<int>(lineNo.size())},
                    {"100", 7},
                    {"4", 5},
                    {"K", 6},
                    {"25", 6},
                    {"30", 0}});
    }

    // Clear List after Yes, as the data window does it.
    void ClearList() {
        log.MarkListCleared();
        list.Clear();
        list.AppendRow(TitleRow());
    }

    FakeMessageService messages;
    FakeList list;
    GpsLog log;
};

bool IsMessage(const FakeMessageService::Shown& shown, const ExpectedMessage& expected) {
    return shown.title == expected.title && shown.text == expected.text &&
           shown.icon == expected.icon && shown.buttons == MessageButtons::Ok;
}

} // namespace

class TestGpsLog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void titleRow();
    void startsEmpty();

    void workedRows_data();
    void workedRows();
    void loggedLengthIsTheTypedLength_data();
    void loggedLengthIsTheTypedLength();
    void workedRowsInOneLog();
    void recordOfStatuteMileEntry();
    void recordOfKilometreEntry();
    void commaDecimalSeparator();
    void loggedValuesAreRounded();
    void wideNumberColumns();

    void designations_data();
    void designations();
    void loggedDesignation_data();
    void loggedDesignation();

    void unitOutsideRange_data();
    void unitOutsideRange();

    void twentyNineEntriesNeedNoMessage();
    void thirtiethEntryWarnsThenAddsRow();
    void laterEntriesRefusedHoweverOften();
    void refusedEntryRecordGoesToSlot30();
    void entryBoundsChecked();

    void clearRestartsAtPositionOne();
    void clearRestartsWhenFull();
    void markClearedTakesEffectAtNextEntry();

    void removedRowsStillCount();
    void allRowsRemovedNextRowBelowHeading();

    void appendListRowPositions();
};

// -------------------------------------------------------------------- heading

void TestGpsLog::titleRow() {
    const std::string title = TitleRow();
    QCOMPARE(Visible(title), QStringLiteral("Line Length No GPS K/SM/NM Spacing Max Dist"));
    QCOMPARE(title.size(), std::size_t{43});
    // The heading's columns start at 0, 5, 12, 19, 27 and 35.
    QCOMPARE(title.find("Line"), std::size_t{0});
    QCOMPARE(title.find("Length"), std::size_t{5});
    QCOMPARE(title.find("No GPS"), std::size_t{12});
    QCOMPARE(title.find("K/SM/NM"), std::size_t{19});
    QCOMPARE(title.find("Spacing"), std::size_t{27});
    QCOMPARE(title.find("Max Dist"), std::size_t{35});
}

void TestGpsLog::startsEmpty() {
    LogFixture f;
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 0);
    QVERIFY(!f.log.ListCleared());
    for (int slot = 0; slot < GpsLog::kSlots; ++slot) {
        const GpsEntry& entry = f.log.Entry(slot);
        QVERIFY(entry.lineNo.empty());
        QVERIFY(entry.unitAbbrev.empty());
        QCOMPARE(entry.lineLength, 0.0F);
        QCOMPARE(static_cast<int>(entry.noGroundStations), 0);
        QCOMPARE(entry.spacing, 0.0F);
        QCOMPARE(entry.maxDistance, 0.0F);
    }
    QCOMPARE(f.list.rows, std::vector<std::string>{TitleRow()});
}

// --------------------------------------------------------------- worked rows

void TestGpsLog::workedRows_data() {
    QTest::addColumn<QByteArray>("lineNo");
    QTest::addColumn<float>("length");
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("allowedError");
    QTest::addColumn<QByteArray>("expected");

    auto add = [](const char* name, const char* lineNo, float length, int unit, float allowed,
                  const std::string& row) {
        QTest::newRow(name) << QByteArray(lineNo) << length << unit << allowed
                            << QByteArray::fromStdString(row);
    };
    // Statute and nautical miles are logged in that unit, not in km under an
    // SM or NM label (a printed row would mislead the crew).
    add("A1, 25 statute miles, 5 cm", "A1", 25.0F, 1, 5.0F,
        Row({{"A1", 3}, {"25", 8}, {"2", 5}, {"SM", 5}, {"12.5", 4}, {"18.64", 0}}));
    add("12, 100 km, 5 cm", "12", 100.0F, 0, 5.0F,
        Row({{"12", 3}, {"100", 7}, {"4", 5}, {"K", 6}, {"25", 6}, {"30", 0}}));
    add("B22, 10 nautical miles, 3 cm", "B22", 10.0F, 2, 3.0F,
        Row({{"B22", 2}, {"10", 8}, {"2", 5}, {"NM", 5}, {"5", 7}, {"5.4", 0}}));
    // A five-character designation fills its column: no blank before the length.
    add("99999, 250 km, 2.5 cm", "99999", 250.0F, 0, 2.5F,
        Row({{"99999", 0}, {"250", 7}, {"50", 4}, {"K", 6}, {"5", 7}, {"5", 0}}));
    add("C3, 0.125 km, 3 cm", "C3", 0.125F, 0, 3.0F,
        Row({{"C3", 3}, {"0.12", 6}, {"1", 5}, {"K", 6}, {"0.12", 4}, {"10", 0}}));
    add("X, 12345678 km, 1000000 cm", "X", 12345678.0F, 0, 1000000.0F,
        Row({{"X", 4}, {"1.234568E+07", 2}, {"2", 5}, {"K", 6}, {"6172839", 2}, {"9999980", 0}}));
}

void TestGpsLog::workedRows() {
    QFETCH(QByteArray, lineNo);
    QFETCH(float, length);
    QFETCH(int, unit);
    QFETCH(float, allowedError);
    QFETCH(QByteArray, expected);

    LogFixture f;
    f.Enter(ToStd(lineNo), length, static_cast<UnitIndex>(unit), allowedError);
    QVERIFY(f.messages.shown.empty());
    QCOMPARE(f.list.rows.size(), std::size_t{2});
    QCOMPARE(Visible(f.list.rows[0]), Visible(TitleRow()));
    QCOMPARE(Visible(f.list.rows[1]), Visible(ToStd(expected)));
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 1);
}

void TestGpsLog::loggedLengthIsTheTypedLength_data() {
    QTest::addColumn<float>("length");
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("logged");
    // Miles taken to kilometres and back in single precision come back a
    // little off: the first three were logged 81445.99, 76429.01 and 0.87.
    QTest::newRow("81446 statute miles") << 81446.0F << 1 << 81446.0F;
    QTest::newRow("76429 nautical miles") << 76429.0F << 2 << 76429.0F;
    QTest::newRow("0.875 statute miles, half to even") << 0.875F << 1 << 0.88F;
    QTest::newRow("0.625 nautical miles, half to even") << 0.625F << 2 << 0.62F;
    QTest::newRow("0.875 km, half to even") << 0.875F << 0 << 0.88F;
    QTest::newRow("1234.567 statute miles") << 1234.567F << 1 << 1234.57F;
}

void TestGpsLog::loggedLengthIsTheTypedLength() {
    QFETCH(float, length);
    QFETCH(int, unit);
    QFETCH(float, logged);

    LogFixture f;
    f.Enter("L1", length, static_cast<UnitIndex>(unit), 5.0F);
    PELLUCORS_COMPARE_EXACT(f.log.Entry(0).lineLength, logged);
}

void TestGpsLog::workedRowsInOneLog() {
    LogFixture f;
    f.Enter("A1", 25.0F, 1, 5.0F);
    f.Enter("12", 100.0F, 0, 5.0F);
    f.Enter("B22", 10.0F, 2, 3.0F);
    f.Enter("99999", 250.0F, 0, 2.5F);
    f.Enter("C3", 0.125F, 0, 3.0F);
    f.Enter("X", 12345678.0F, 0, 1000000.0F);
    QVERIFY(f.messages.shown.empty());
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 6);
    const std::vector<std::string> expected{
        TitleRow(),
        Row({{"A1", 3}, {"25", 8}, {"2", 5}, {"SM", 5}, {"12.5", 4}, {"18.64", 0}}),
        Row({{"12", 3}, {"100", 7}, {"4", 5}, {"K", 6}, {"25", 6}, {"30", 0}}),
        Row({{"B22", 2}, {"10", 8}, {"2", 5}, {"NM", 5}, {"5", 7}, {"5.4", 0}}),
        Row({{"99999", 0}, {"250", 7}, {"50", 4}, {"K", 6}, {"5", 7}, {"5", 0}}),
        Row({{"C3", 3}, {"0.12", 6}, {"1", 5}, {"K", 6}, {"0.12", 4}, {"10", 0}}),
        Row({{"X", 4}, {"1.234568E+07", 2}, {"2", 5}, {"K", 6}, {"6172839", 2}, {"9999980", 0}}),
    };
    QCOMPARE(f.list.rows, expected);
    QCOMPARE(f.list.rows[1].size(), std::size_t{41});
    QCOMPARE(f.list.rows[6].size(), std::size_t{48});
    // The data columns start at 0, 5, 15, 21, 28 and 36.
    const std::string& row = f.list.rows[2];
    QCOMPARE(row.find("100"), std::size_t{5});
    QCOMPARE(row.find("4"), std::size_t{15});
    QCOMPARE(row.find("K"), std::size_t{21});
    QCOMPARE(row.find("25"), std::size_t{28});
    QCOMPARE(row.rfind("30"), std::size_t{36});
}

void TestGpsLog::recordOfStatuteMileEntry() {
    LogFixture f;
    // What the calculator hands over for A1, 25 statute miles, 5 cm: the
    // typed length, spacing and max distance in kilometres...
    f.log.AddGpsEntry("A1", {.unit = 1,
                             .length = 25.0F,
                             .unitName = "Statute Miles",
                             .maxDistanceKm = 30.0F,
                             .stationCount = 2,
                             .spacingKm = 20.1168F});
    // ...are stored in statute miles, rounded to 2 decimals.
    const GpsEntry& entry = f.log.Entry(0);
    QCOMPARE(entry.lineNo, std::string("A1"));
    QCOMPARE(entry.lineLength, 25.0F);
    QCOMPARE(entry.unitAbbrev, std::string("SM"));
    QCOMPARE(static_cast<int>(entry.noGroundStations), 2);
    PELLUCORS_COMPARE_EXACT(entry.spacing, 12.5F);
    PELLUCORS_COMPARE_EXACT(entry.maxDistance, 18.64F);
    QCOMPARE(Visible(f.list.rows.at(1)),
             Visible(Row({{"A1", 3}, {"25", 8}, {"2", 5}, {"SM", 5}, {"12.5", 4}, {"18.64", 0}})));
}

void TestGpsLog::recordOfKilometreEntry() {
    LogFixture f;
    f.Enter("12", 100.0F, 0, 5.0F);
    const GpsEntry& entry = f.log.Entry(0);
    QCOMPARE(entry.lineNo, std::string("12"));
    PELLUCORS_COMPARE_EXACT(entry.lineLength, 100.0F);
    QCOMPARE(entry.unitAbbrev, std::string("K"));
    QCOMPARE(static_cast<int>(entry.noGroundStations), 4);
    PELLUCORS_COMPARE_EXACT(entry.spacing, 25.0F);
    PELLUCORS_COMPARE_EXACT(entry.maxDistance, 30.0F);
    // Slot 1 is still empty.
    QVERIFY(f.log.Entry(1).lineNo.empty());
}

void TestGpsLog::commaDecimalSeparator() {
    LogFixture f(",");
    f.Enter("A1", 25.0F, 1, 5.0F);
    f.Enter("C3", 0.125F, 0, 3.0F);
    f.Enter("X", 12345678.0F, 0, 1000000.0F);
    QCOMPARE(Visible(f.list.rows.at(1)),
             Visible(Row({{"A1", 3}, {"25", 8}, {"2", 5}, {"SM", 5}, {"12,5", 4}, {"18,64", 0}})));
    QCOMPARE(Visible(f.list.rows.at(2)),
             Visible(Row({{"C3", 3}, {"0,12", 6}, {"1", 5}, {"K", 6}, {"0,12", 4}, {"10", 0}})));
    QCOMPARE(
        Visible(f.list.rows.at(3)),
        Visible(Row(
            {{"X", 4}, {"1,234568E+07", 2}, {"2", 5}, {"K", 6}, {"6172839", 2}, {"9999980", 0}})));
}

void TestGpsLog::loggedValuesAreRounded() {
    LogFixture f;
    // Exact halves go to the even neighbour; 2.675f lies a hair below the
    // half and goes down.
    f.log.AddGpsEntry("R", {.length = 0.125F,
                            .unitName = "Kilometers",
                            .maxDistanceKm = 2.675F,
                            .stationCount = 1,
                            .spacingKm = 0.375F});
    const GpsEntry& entry = f.log.Entry(0);
    PELLUCORS_COMPARE_EXACT(entry.lineLength, 0.12F);
    PELLUCORS_COMPARE_EXACT(entry.spacing, 0.38F);
    PELLUCORS_COMPARE_EXACT(entry.maxDistance, 2.67F);
    QCOMPARE(Visible(f.list.rows.at(1)),
             Visible(Row({{"R", 4}, {"0.12", 6}, {"1", 5}, {"K", 6}, {"0.38", 4}, {"2.67", 0}})));
}

void TestGpsLog::wideNumberColumns() {
    LogFixture f;
    // Length of exactly 8 characters: 2 spaces; a count of 5 digits: 3
    // spaces (counted up to 3); spacing of exactly 6 characters: 2 spaces.
    f.log.AddGpsEntry("W", {.length = 12345.67F,
                            .unitName = "Kilometers",
                            .maxDistanceKm = 1.0F,
                            .stationCount = 32767,
                            .spacingKm = 1234.5F});
    // A count of exactly 3 digits fills its column; a length of 7 gets 3.
    f.log.AddGpsEntry("V", {.length = 1234567.0F,
                            .unitName = "Kilometers",
                            .maxDistanceKm = 1.0F,
                            .stationCount = 100,
                            .spacingKm = 123456.0F});
    QCOMPARE(
        Visible(f.list.rows.at(1)),
        Visible(Row({{"W", 4}, {"12345.67", 2}, {"32767", 3}, {"K", 6}, {"1234.5", 2}, {"1", 0}})));
    QCOMPARE(
        Visible(f.list.rows.at(2)),
        Visible(Row({{"V", 4}, {"1234567", 3}, {"100", 3}, {"K", 6}, {"123456", 2}, {"1", 0}})));
}

// -------------------------------------------------------------- designations

void TestGpsLog::designations_data() {
    QTest::addColumn<QByteArray>("lineNo");
    QTest::addColumn<int>("spacesAfter");
    QTest::newRow("1 character") << QByteArray("X") << 4;
    QTest::newRow("4 characters") << QByteArray("AB12") << 1;
    QTest::newRow("5 characters: no space") << QByteArray("ABCDE") << 0;
    // Longer than 5: written in full and followed by one space.
    QTest::newRow("6 characters: one space") << QByteArray("ABCDEF") << 1;
    QTest::newRow("9 characters: one space") << QByteArray("LINE-0001") << 1;
    QTest::newRow("30 characters: one space") << QByteArray(30, 'Q') << 1;
    // As typed, not trimmed.
    QTest::newRow("blanks around") << QByteArray(" A1 ") << 1;
    // Characters, not bytes, are counted.
    QTest::newRow("A-umlaut 1 (3 bytes, 2 characters)") << QByteArray("\xC3\x84"
                                                                      "1")
                                                        << 3;
    QTest::newRow("A-umlaut rger (6 bytes, 5 characters)") << QByteArray("\xC3\x84rger") << 0;
    QTest::newRow("Zurich with umlaut (7 bytes, 6 characters)") << QByteArray("Z\xC3\xBCrich") << 1;
    // Arabic, with a blank of its own (7 bytes, 4 characters).
    QTest::newRow("right-to-left with a blank") << QByteArray("\xD8\xAE\xD8\xB7 \xD9\xA1") << 1;
    // As wide as a reader sees them: an accent combined with its letter
    // counts once, a joiner or variation selector not at all, a wide (CJK)
    // character twice. Regression: the combining accent took a blank away.
    QTest::newRow("e with a combining accent") << QByteArray("Re\xCC\x81"
                                                             "1")
                                               << 2;
    QTest::newRow("e precomposed") << QByteArray("R\xC3\xA9"
                                                 "1")
                                   << 2;
    QTest::newRow("Hebrew") << QByteArray("\xD7\xA7\xD7\x95"
                                          "1")
                            << 2;
    QTest::newRow("Arabic with an Arabic-Indic digit")
        << QByteArray("\xD8\xAE\xD8\xB7\xD9\xA3") << 2;
    QTest::newRow("a wide CJK character") << QByteArray("\xE5\x8C\x97"
                                                        "1")
                                          << 2;
    QTest::newRow("CJK filling the column") << QByteArray("\xE5\x8C\x97\xE5\x8C\x97"
                                                          "1")
                                            << 0;
    QTest::newRow("a joiner and a variation selector") << QByteArray("A\xE2\x80\x8D"
                                                                     "1\xEF\xB8\x8F")
                                                       << 3;
}

void TestGpsLog::designations() {
    QFETCH(QByteArray, lineNo);
    QFETCH(int, spacesAfter);
    LogFixture f;
    f.Enter(ToStd(lineNo), 100.0F, 0, 5.0F);
    QCOMPARE(
        Visible(f.list.rows.at(1)),
        Visible(Row(
            {{ToStd(lineNo), spacesAfter}, {"100", 7}, {"4", 5}, {"K", 6}, {"25", 6}, {"30", 0}})));
    QCOMPARE(f.log.Entry(0).lineNo, ToStd(lineNo));
    // Where the designation ends: all of it, blanks inside too.
    QCOMPARE(DesignationEnd(f.list.rows.at(1)),
             std::size_t(lineNo.trimmed().size() + (lineNo.startsWith(' ') ? 1 : 0)));
}

// What breaks the row on screen or paper is logged as a blank, a character
// at a time; everything else as typed, malformed bytes included.
void TestGpsLog::loggedDesignation_data() {
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("logged");
    const auto add = [](const char* between, bool kept) {
        const QByteArray typed = "A" + QByteArray(between) + "1";
        QTest::newRow(qPrintable(QByteArray(between).toHex() + (kept ? " kept" : " a blank")))
            << typed << (kept ? typed : QByteArray("A 1"));
    };
    // C0, DEL and C1 controls, the direction controls and the line and
    // paragraph separators, each range's ends...
    for (const char* control : {"\t", "\x7F", "\xC2\x80", "\xC2\x9F", "\xD8\x9C", "\xE2\x80\x8E",
                                "\xE2\x80\x8F", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAA",
                                "\xE2\x80\xAE", "\xE2\x81\xA6", "\xE2\x81\xA9"})
        add(control, false);
    // ...and their neighbours, a letter, a lone byte of malformed text.
    for (const char* kept : {"\xC3\xBC", "\xC2\xA0", "\xD8\x9B", "\xE2\x80\x8D", "\xE2\x80\xAF",
                             "\xE2\x81\xA5", "\xE2\x81\xAA", "\x80", "\xFF", "\xE5\x8C\x97"})
        add(kept, true);
    QTest::newRow("a control at the end") << QByteArray("A1\n") << QByteArray("A1 ");
    QTest::newRow("a control after a malformed byte")
        << QByteArray("A\xFF\t1") << QByteArray("A\xFF 1");
}

void TestGpsLog::loggedDesignation() {
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, logged);
    QCOMPARE(Visible(LoggedDesignation(ToStd(typed))), Visible(ToStd(logged)));
}

// ------------------------------------------------------ unit outside 0 to 2

void TestGpsLog::unitOutsideRange_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QByteArray>("unitName");
    QTest::addColumn<int>("spacesAfterUnit");
    // The unit name is written in the unit column; one longer than 7
    // characters gets one space after it.
    QTest::newRow("no unit, empty name") << int(kUnitCount) << QByteArray("") << 7;
    QTest::newRow("no unit, Km") << int(kUnitCount) << QByteArray("Km") << 5;
    QTest::newRow("unit -1, 7 characters") << -1 << QByteArray("Meilen!") << 0;
    QTest::newRow("unit 5, Kilometers") << 5 << QByteArray("Kilometers") << 1;
    QTest::newRow("unit 32767, Statute Miles") << 32767 << QByteArray("Statute Miles") << 1;
}

void TestGpsLog::unitOutsideRange() {
    QFETCH(int, unit);
    QFETCH(QByteArray, unitName);
    QFETCH(int, spacesAfterUnit);
    LogFixture f;
    f.messages.onShow = [&f] {
        // The reminder comes before the row is added.
        QCOMPARE(f.list.RowCount(), 1);
    };
    // Kilometre values as for 25 statute miles at 5 cm (no unit, so the
    // typed length stays in kilometres).
    f.log.AddGpsEntry("A1", {.unit = static_cast<UnitIndex>(unit),
                             .length = 40.2336F,
                             .unitName = ToStd(unitName),
                             .maxDistanceKm = 30.0F,
                             .stationCount = 2,
                             .spacingKm = 20.1168F});
    QCOMPARE(f.messages.shown.size(), std::size_t{1});
    QVERIFY(IsMessage(f.messages.Last(), test::kUnitReminder));

    // The numbers stay in kilometres.
    const GpsEntry& entry = f.log.Entry(0);
    QCOMPARE(entry.unitAbbrev, ToStd(unitName));
    PELLUCORS_COMPARE_EXACT(entry.lineLength, 40.23F);
    PELLUCORS_COMPARE_EXACT(entry.spacing, 20.12F);
    PELLUCORS_COMPARE_EXACT(entry.maxDistance, 30.0F);
    QCOMPARE(Visible(f.list.rows.at(1)), Visible(Row({{"A1", 3},
                                                      {"40.23", 5},
                                                      {"2", 5},
                                                      {ToStd(unitName), spacesAfterUnit},
                                                      {"20.12", 3},
                                                      {"30", 0}})));
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 1);
}

// ------------------------------------------------------------ 30-entry limit

void TestGpsLog::twentyNineEntriesNeedNoMessage() {
    LogFixture f;
    for (int n = 1; n <= 29; ++n) {
        f.EnterNumbered(n);
        QCOMPARE(static_cast<int>(f.log.EntryCount()), n);
        QCOMPARE(f.list.RowCount(), n + 1);
        QCOMPARE(Visible(f.list.rows.at(static_cast<std::size_t>(n))),
                 Visible(LogFixture::NumberedRow(n)));
    }
    QVERIFY(f.messages.shown.empty());
}

void TestGpsLog::thirtiethEntryWarnsThenAddsRow() {
    LogFixture f;
    for (int n = 1; n <= 29; ++n)
        f.EnterNumbered(n);
    int rowsWhileWarningOpen = -1;
    f.messages.onShow = [&] { rowsWhileWarningOpen = f.list.RowCount(); };

    f.EnterNumbered(30);
    QCOMPARE(f.messages.shown.size(), std::size_t{1});
    QVERIFY(IsMessage(f.messages.Last(), kLastEntry));
    // The warning is shown first; the row is added after it is closed.
    QCOMPARE(rowsWhileWarningOpen, 30);
    QCOMPARE(f.list.RowCount(), 31);
    QCOMPARE(Visible(f.list.rows.at(30)), Visible(LogFixture::NumberedRow(30)));
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 30);
    QCOMPARE(f.log.Entry(29).lineNo, std::string("L30"));
    // The list shows the entries in the order they were made.
    for (int n = 1; n <= 30; ++n)
        QCOMPARE(Visible(f.list.rows.at(static_cast<std::size_t>(n))),
                 Visible(LogFixture::NumberedRow(n)));
}

void TestGpsLog::laterEntriesRefusedHoweverOften() {
    LogFixture f;
    for (int n = 1; n <= 30; ++n)
        f.EnterNumbered(n);
    const std::vector<std::string> fullList = f.list.rows;
    const std::size_t messagesBefore = f.messages.shown.size();

    for (int attempt = 1; attempt <= 12; ++attempt) {
        f.EnterNumbered(30 + attempt);
        QCOMPARE(f.messages.shown.size(), messagesBefore + static_cast<std::size_t>(attempt));
        QVERIFY(IsMessage(f.messages.Last(), kTooManyEntries));
        QCOMPARE(f.list.rows, fullList);
        QCOMPARE(static_cast<int>(f.log.EntryCount()), 30);
    }
    // The too-many text: three lines, no full stop at the end.
    QCOMPARE(QString::fromStdString(kTooManyEntries.text).split(QStringLiteral("\r\n")).size(), 3);
}

void TestGpsLog::refusedEntryRecordGoesToSlot30() {
    LogFixture f;
    for (int n = 1; n <= 30; ++n)
        f.EnterNumbered(n);
    f.Enter("REFUSED1", 25.0F, 1, 5.0F);
    {
        const GpsEntry& entry = f.log.Entry(30);
        QCOMPARE(entry.lineNo, std::string("REFUSED1"));
        QCOMPARE(entry.lineLength, 25.0F);
        QCOMPARE(entry.unitAbbrev, std::string("SM"));
        QCOMPARE(static_cast<int>(entry.noGroundStations), 2);
        PELLUCORS_COMPARE_EXACT(entry.spacing, 12.5F);
        PELLUCORS_COMPARE_EXACT(entry.maxDistance, 18.64F);
    }
    // Each refused entry overwrites slot 30; slot 29 keeps the 30th entry and
    // slot 31 is never written.
    f.Enter("REFUSED2", 100.0F, 0, 5.0F);
    QCOMPARE(f.log.Entry(30).lineNo, std::string("REFUSED2"));
    QCOMPARE(f.log.Entry(30).unitAbbrev, std::string("K"));
    QCOMPARE(f.log.Entry(29).lineNo, std::string("L30"));
    QVERIFY(f.log.Entry(31).lineNo.empty());
    QCOMPARE(static_cast<int>(f.log.Entry(31).noGroundStations), 0);
    for (int slot = 0; slot < 30; ++slot)
        QCOMPARE(f.log.Entry(slot).lineNo, "L" + std::to_string(slot + 1));
}

void TestGpsLog::entryBoundsChecked() {
    LogFixture f;
    for (int slot = 0; slot <= 31; ++slot) {
        bool threw = false;
        try {
            (void)f.log.Entry(slot);
        } catch (const std::out_of_range&) {
            threw = true;
        }
        QVERIFY2(!threw, qPrintable(QStringLiteral("slot %1").arg(slot)));
    }
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)f.log.Entry(32));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)f.log.Entry(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)f.log.Entry(1000));
}

// --------------------------------------------------------------------- clear

void TestGpsLog::clearRestartsAtPositionOne() {
    LogFixture f;
    for (int n = 1; n <= 3; ++n)
        f.EnterNumbered(n);
    f.ClearList();
    QVERIFY(f.log.ListCleared());
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 3); // until the next entry

    f.Enter("12", 100.0F, 0, 5.0F);
    QVERIFY(!f.log.ListCleared());
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 1);
    QCOMPARE(f.list.RowCount(), 2);
    QCOMPARE(Visible(f.list.rows.at(1)),
             Visible(Row({{"12", 3}, {"100", 7}, {"4", 5}, {"K", 6}, {"25", 6}, {"30", 0}})));
    QCOMPARE(f.log.Entry(0).lineNo, std::string("12"));
    QVERIFY(f.messages.shown.empty());
}

void TestGpsLog::clearRestartsWhenFull() {
    LogFixture f;
    for (int n = 1; n <= 33; ++n)
        f.EnterNumbered(n); // 30 logged, 3 refused
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 30);
    f.messages.shown.clear();

    f.ClearList();
    for (int n = 1; n <= 29; ++n) {
        f.EnterNumbered(100 + n);
        QCOMPARE(static_cast<int>(f.log.EntryCount()), n);
        QCOMPARE(f.list.RowCount(), n + 1);
    }
    QVERIFY(f.messages.shown.empty());
    QCOMPARE(Visible(f.list.rows.at(1)), Visible(LogFixture::NumberedRow(101)));

    // The limit starts over at 30.
    f.EnterNumbered(130);
    QCOMPARE(f.messages.shown.size(), std::size_t{1});
    QVERIFY(IsMessage(f.messages.Last(), kLastEntry));
    QCOMPARE(Visible(f.list.rows.at(30)), Visible(LogFixture::NumberedRow(130)));
    f.EnterNumbered(131);
    QCOMPARE(f.messages.shown.size(), std::size_t{2});
    QVERIFY(IsMessage(f.messages.Last(), kTooManyEntries));
    QCOMPARE(f.list.RowCount(), 31);
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 30);
}

void TestGpsLog::markClearedTakesEffectAtNextEntry() {
    LogFixture f;
    f.EnterNumbered(1);
    f.EnterNumbered(2);
    f.log.MarkListCleared();
    f.log.MarkListCleared();
    QVERIFY(f.log.ListCleared());
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 2);
    // Cleared but the list not emptied (not something the window does): the
    // count restarts all the same, so the row goes below the heading.
    f.EnterNumbered(3);
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 1);
    QVERIFY(!f.log.ListCleared());
    QCOMPARE(Visible(f.list.rows.at(1)), Visible(LogFixture::NumberedRow(3)));
    QCOMPARE(f.list.RowCount(), 4);
}

// ------------------------------------------------------------ removed rows

void TestGpsLog::removedRowsStillCount() {
    LogFixture f;
    for (int n = 1; n <= 5; ++n)
        f.EnterNumbered(n);
    // The data window removes rows 2 and 3 (list positions 2 and 3).
    f.list.RemoveRow(2);
    f.list.RemoveRow(2);
    QCOMPARE(f.list.RowCount(), 4);
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 5);

    // The 6th entry would go to position 6; the list is shorter: at the end.
    f.EnterNumbered(6);
    QCOMPARE(f.list.RowCount(), 5);
    QCOMPARE(Visible(f.list.rows.at(4)), Visible(LogFixture::NumberedRow(6)));
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 6);

    for (int n = 7; n <= 29; ++n)
        f.EnterNumbered(n);
    QVERIFY(f.messages.shown.empty());
    QCOMPARE(f.list.RowCount(), 28);
    QCOMPARE(Visible(f.list.rows.back()), Visible(LogFixture::NumberedRow(29)));

    // The 30th entry since the clear warns although the list holds only 27.
    f.EnterNumbered(30);
    QCOMPARE(f.messages.shown.size(), std::size_t{1});
    QVERIFY(IsMessage(f.messages.Last(), kLastEntry));
    QCOMPARE(f.list.RowCount(), 29);
    QCOMPARE(Visible(f.list.rows.back()), Visible(LogFixture::NumberedRow(30)));

    // The 31st is refused.
    f.EnterNumbered(31);
    QCOMPARE(f.messages.shown.size(), std::size_t{2});
    QVERIFY(IsMessage(f.messages.Last(), kTooManyEntries));
    QCOMPARE(f.list.RowCount(), 29);
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 30);

    // The rows left are in entry order.
    const std::vector<int> shownEntries{1, 4, 5};
    for (std::size_t i = 0; i < shownEntries.size(); ++i)
        QCOMPARE(Visible(f.list.rows.at(i + 1)), Visible(LogFixture::NumberedRow(shownEntries[i])));
}

void TestGpsLog::allRowsRemovedNextRowBelowHeading() {
    LogFixture f;
    for (int n = 1; n <= 4; ++n)
        f.EnterNumbered(n);
    while (f.list.RowCount() > 1)
        f.list.RemoveRow(1);
    f.EnterNumbered(5);
    QCOMPARE(f.list.rows, (std::vector<std::string>{TitleRow(), LogFixture::NumberedRow(5)}));
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 5);
}

// ----------------------------------------------------------- AppendListRow

void TestGpsLog::appendListRowPositions() {
    LogFixture f;
    f.list.rows = {"T", "a", "b", "c"};
    // Position n goes to list index n + 1 when the list is long enough.
    f.log.AppendListRow("x", 1);
    QCOMPARE(f.list.rows, (std::vector<std::string>{"T", "a", "x", "b", "c"}));
    f.log.AppendListRow("y", 0);
    QCOMPARE(f.list.rows, (std::vector<std::string>{"T", "y", "a", "x", "b", "c"}));
    // Position + 1 = row count: the end of the list.
    f.log.AppendListRow("z", 5);
    QCOMPARE(f.list.rows, (std::vector<std::string>{"T", "y", "a", "x", "b", "c", "z"}));
    // Beyond the end: appended.
    f.log.AppendListRow("w", 20);
    QCOMPARE(f.list.rows, (std::vector<std::string>{"T", "y", "a", "x", "b", "c", "z", "w"}));
    // Appending changes no log state.
    QCOMPARE(static_cast<int>(f.log.EntryCount()), 0);
    QVERIFY(f.messages.shown.empty());
}

QTEST_APPLESS_MAIN(TestGpsLog)
#include "tst_gps_log.moc"
