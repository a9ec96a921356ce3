// The GPS Data window in the running program: its heading row, Remove Item,
// Clear List (also by Esc), Close, the list's font, and printing the rows
// from the Print button and from File > Print.

#include "ExpectedMessages.h"
#include "ProgramFixture.h"
#include "core/StationPlan.h"
#include "ui/controls/RowGridDelegate.h"
#include "ui/windows/frmDataDisplay.h"
#include "ui/windows/frmGroundStationCal.h"

#include <QAction>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using namespace pellucors;
using namespace pellucors::test;

namespace {

const QString kHeading = QStringLiteral("Line Length No GPS K/SM/NM Spacing Max Dist");

// The row of a 100 km line at 5 cm (4 stations 25 km apart, 30 km reach)
// under a two-character designation.
QString EntryRow(const QString& lineNo) {
    return lineNo + QStringLiteral("   100       4     K      25      30");
}

QStringList Rows(const QStringList& lineNos) {
    QStringList rows{kHeading};
    for (const QString& lineNo : lineNos)
        rows.append(EntryRow(lineNo));
    return rows;
}

// What the printer receives for `rows`: the company heading block, then each
// row indented by three spaces, as one document.
QStringList Document(const QStringList& rows) {
    QStringList journal{QStringLiteral("font Courier"),
                        QStringLiteral("size 22"),
                        QStringLiteral("empty"),
                        QStringLiteral("empty"),
                        QStringLiteral("line |col 12|Larkmoor| |Aerial| |Surveys"),
                        QStringLiteral("font Courier"),
                        QStringLiteral("size 20"),
                        QStringLiteral("empty")};
    for (const QString& row : rows)
        journal.append(QStringLiteral("line |sp 3|") + row);
    journal.append(QStringLiteral("end"));
    return journal;
}

QStringList ToStrings(const std::vector<std::string>& lines) {
    QStringList strings;
    for (const std::string& line : lines)
        strings.append(QString::fromStdString(line));
    return strings;
}

enum class PrintVia { Button, FileMenu };
enum class ShowVia { WindowMenu, DisplayButton };

// The running program, its GPS Data window and the entries logged so far.
class Program {
public:
    Program() {
        m_fixture.Start();
        m_form = &m_fixture.Parent().DataDisplay();
        m_list = ProgramFixture::Find<QListWidget>(*m_form, "lstGPSData");
    }

    ProgramFixture& Fixture() { return m_fixture; }
    FakeMessageService& Messages() { return m_fixture.messages; }
    GpsLog& Log() { return m_fixture.Log(); }
    QListWidget& List() { return *m_list; }
    QMdiSubWindow& SubWindow() { return *m_fixture.Parent().SubWindow(ChildWindow::DataDisplay); }
    QAction& MenuItem() { return *m_fixture.Parent().MenuItem(ChildWindow::DataDisplay); }

    // Entries of 100 km lines at 5 cm, planned and logged as the ground
    // station calculator does.
    void LogEntries(const QStringList& lineNos) {
        for (const QString& lineNo : lineNos) {
            StationPlan plan;
            PlanStations(100, 0, 5, Messages(), plan);
            Log().AddGpsEntry(lineNo.toStdString(), plan);
        }
    }

    QStringList ListRows() const {
        QStringList rows;
        for (int i = 0; i < m_list->count(); ++i)
            rows.append(m_list->item(i)->text());
        return rows;
    }
    bool NothingSelected() const { return m_list->selectedItems().isEmpty(); }

    void ClickRow(int row) {
        QListWidgetItem* item = m_list->item(row);
        m_list->scrollToItem(item);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                          m_list->visualItemRect(item).center());
    }
    void Click(const char* button) {
        QTest::mouseClick(ProgramFixture::Find<QPushButton>(*m_form, button), Qt::LeftButton);
    }
    void Print(PrintVia via) {
        if (via == PrintVia::Button)
            Click("cmdPrint");
        else
            ProgramFixture::Find<QAction>(m_fixture.Parent(), "mnuFilePrint")->trigger();
    }
    void ShowAgain(ShowVia via) {
        if (via == ShowVia::WindowMenu) {
            MenuItem().trigger();
        } else {
            QTest::mouseClick(ProgramFixture::Find<QPushButton>(
                                  m_fixture.Parent().GroundStationCal(), "cmdDisplay"),
                              Qt::LeftButton);
        }
    }
    QStringList PrintJournal() const { return ToStrings(m_fixture.printJournal); }

private:
    ProgramFixture m_fixture;
    frmDataDisplay* m_form = nullptr;
    QListWidget* m_list = nullptr;
};

// A message box as one comparable line: title, text, icon and buttons.
QString Message(const QString& title, const QString& text, MessageIcon icon,
                MessageButtons buttons = MessageButtons::Ok) {
    const QString iconName = icon == MessageIcon::Information   ? QStringLiteral("information")
                             : icon == MessageIcon::Exclamation ? QStringLiteral("exclamation")
                                                                : QStringLiteral("question");
    const QString buttonNames =
        buttons == MessageButtons::Ok ? QStringLiteral("OK") : QStringLiteral("Yes/No");
    return title + QStringLiteral(" | ") + text + QStringLiteral(" | ") + iconName +
           QStringLiteral(" | ") + buttonNames;
}

QStringList Shown(const FakeMessageService& messages) {
    QStringList shown;
    for (const FakeMessageService::Shown& m : messages.shown)
        shown.append(Message(QString::fromStdString(m.title), QString::fromStdString(m.text),
                             m.icon, m.buttons));
    return shown;
}

QString Message(const ExpectedMessage& message, MessageButtons buttons = MessageButtons::Ok) {
    return Message(Q(message.title), Q(message.text), message.icon, buttons);
}

const QString kClearQuestion = Message(kClearListQuestion, MessageButtons::YesNo);

} // namespace

Q_DECLARE_METATYPE(PrintVia)
Q_DECLARE_METATYPE(ShowVia)

class TestDataDisplay final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithTheHeadingRowOnly();
    void removeRefused_data();
    void removeRefused();
    void removeEntryRow_data();
    void removeEntryRow();
    void clearList_data();
    void clearList();
    void escapeAsksToClearTheList_data();
    void escapeAsksToClearTheList();
    void rowsSurviveClosingTheWindow_data();
    void rowsSurviveClosingTheWindow();
    void listFontIsFixedPitch();
    void designationsInAnyScriptKeepTheColumns_data();
    void designationsInAnyScriptKeepTheColumns();

    void buttonAndFileMenuPrintTheSameDocument();
    void printingWhileTheWindowIsClosed();
    void removedRowIsNotPrinted();
    void printerFailure_data();
    void printerFailure();
};

void TestDataDisplay::startsWithTheHeadingRowOnly() {
    Program program;

    QCOMPARE(program.ListRows(), QStringList{kHeading});
    QVERIFY(program.NothingSelected());
    QVERIFY(program.SubWindow().isVisible());
}

void TestDataDisplay::removeRefused_data() {
    QTest::addColumn<int>("selectedRow"); // -1: none
    QTest::addColumn<QString>("message");

    QTest::newRow("heading row selected") << 0 << Message(kTitleRowNotRemoved);
    QTest::newRow("nothing selected") << -1 << Message(kNoRowSelected);
}

void TestDataDisplay::removeRefused() {
    QFETCH(int, selectedRow);
    QFETCH(QString, message);
    Program program;
    program.LogEntries({"A1", "A2"});
    if (selectedRow >= 0)
        program.ClickRow(selectedRow);

    program.Click("cmdRemove");

    QCOMPARE(Shown(program.Messages()), QStringList{message});
    QCOMPARE(program.ListRows(), Rows({"A1", "A2"}));
    QCOMPARE(int(program.Log().EntryCount()), 2);
}

void TestDataDisplay::removeEntryRow_data() {
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<QStringList>("rowsLeft");

    QTest::newRow("first entry row") << 1 << Rows({"A2", "A3"});
    QTest::newRow("middle entry row") << 2 << Rows({"A1", "A3"});
    QTest::newRow("last entry row") << 3 << Rows({"A1", "A2"});
}

void TestDataDisplay::removeEntryRow() {
    QFETCH(int, selectedRow);
    QFETCH(QStringList, rowsLeft);
    Program program;
    program.LogEntries({"A1", "A2", "A3"});
    program.ClickRow(selectedRow);

    program.Click("cmdRemove");

    QCOMPARE(program.ListRows(), rowsLeft);
    QCOMPARE(Shown(program.Messages()), QStringList());
    // A removed row still counts against the 30-entry limit until Clear List.
    QCOMPARE(int(program.Log().EntryCount()), 3);
    QVERIFY(!program.Log().ListCleared());

    // Nothing is selected afterwards: a second click must not remove the row
    // that moved up into the removed row's place.
    QVERIFY(program.NothingSelected());
    program.Click("cmdRemove");
    QCOMPARE(Shown(program.Messages()), QStringList{Message(kNoRowSelected)});
    QCOMPARE(program.ListRows(), rowsLeft);
}

void TestDataDisplay::clearList_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("rowsAfterClear");
    QTest::addColumn<QStringList>("rowsAfterNextEntry");

    QTest::newRow("answered No: nothing changes")
        << QStringList{"A1", "A2"} << false << Rows({"A1", "A2"}) << Rows({"A1", "A2", "B1"});
    QTest::newRow("answered Yes: heading row only, next entry at position 1")
        << QStringList{"A1", "A2"} << true << Rows({}) << Rows({"B1"});
    QTest::newRow("answered Yes with only the heading row in the list")
        << QStringList{} << true << Rows({}) << Rows({"B1"});
}

void TestDataDisplay::clearList() {
    QFETCH(QStringList, entries);
    QFETCH(bool, yes);
    QFETCH(QStringList, rowsAfterClear);
    QFETCH(QStringList, rowsAfterNextEntry);
    Program program;
    program.LogEntries(entries);
    const QStringList rowsBefore = program.ListRows();
    program.Messages().answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
    QStringList rowsWhileAsking;
    program.Messages().onShow = [&] { rowsWhileAsking = program.ListRows(); };

    program.Click("cmdClear");

    QCOMPARE(Shown(program.Messages()), QStringList{kClearQuestion});
    QCOMPARE(rowsWhileAsking, rowsBefore);
    QCOMPARE(program.ListRows(), rowsAfterClear);
    QCOMPARE(program.Log().ListCleared(), yes);
    QCOMPARE(int(program.Log().EntryCount()), int(entries.size()));

    program.LogEntries({"B1"});
    QCOMPARE(program.ListRows(), rowsAfterNextEntry);
}

void TestDataDisplay::escapeAsksToClearTheList_data() {
    QTest::addColumn<QString>("focus");

    QTest::newRow("keyboard in the list") << QStringLiteral("lstGPSData");
    QTest::newRow("keyboard on the Print button") << QStringLiteral("cmdPrint");
}

void TestDataDisplay::escapeAsksToClearTheList() {
    QFETCH(QString, focus);
    Program program;
    program.LogEntries({"A1"});
    program.Messages().answers = {MessageAnswer::Yes};
    auto* target =
        ProgramFixture::Find<QWidget>(program.Fixture().Parent().DataDisplay(), qPrintable(focus));
    target->setFocus();
    QVERIFY(target->hasFocus());

    QTest::keyClick(target, Qt::Key_Escape);

    QCOMPARE(Shown(program.Messages()), QStringList{kClearQuestion});
    QCOMPARE(program.ListRows(), Rows({}));
    QVERIFY(program.Log().ListCleared());
}

void TestDataDisplay::rowsSurviveClosingTheWindow_data() {
    QTest::addColumn<ShowVia>("via");

    QTest::newRow("shown again from the Window menu") << ShowVia::WindowMenu;
    QTest::newRow("shown again by Display GPS Data") << ShowVia::DisplayButton;
}

void TestDataDisplay::rowsSurviveClosingTheWindow() {
    QFETCH(ShowVia, via);
    Program program;
    program.LogEntries({"A1", "A2"});

    program.Click("cmdClose");
    QVERIFY(!program.SubWindow().isVisible());
    QVERIFY(!program.MenuItem().isChecked());
    // Entries made while the window is closed still reach its list.
    program.LogEntries({"A3"});

    program.ShowAgain(via);
    QVERIFY(program.SubWindow().isVisible());
    QVERIFY(program.MenuItem().isChecked());
    QCOMPARE(program.ListRows(), Rows({"A1", "A2", "A3"}));
    QCOMPARE(Shown(program.Messages()), QStringList());
}

// The rows are fixed-width text: they only line up in a fixed-pitch font.
void TestDataDisplay::listFontIsFixedPitch() {
    Program program;
    const QFont font = program.List().font();

    QVERIFY(QFontInfo(font).fixedPitch());
    QCOMPARE(font.pointSizeF(), 9.75);
    const QFontMetricsF metrics(font);
    QCOMPARE(metrics.horizontalAdvance(kHeading),
             kHeading.size() * metrics.horizontalAdvance(QLatin1Char('M')));
}

// Regression: a name in another script moved the columns after it (a
// proportional fallback face for Hebrew, a CJK glyph wider than its cell),
// and a character no face has showed as blank space. Each column now starts
// where the fixed-pitch grid puts it; the designation is isolated so that it
// reads in its own direction; the stored row is the one logged.
void TestDataDisplay::designationsInAnyScriptKeepTheColumns_data() {
    QTest::addColumn<QString>("designation");
    for (const char* name : {"AB1", "R\u00e91", "Re\u03011", "\u05e7\u05d51", "\u062e\u0637\u0663",
                             "\u53171", "\U0010FFFDA1"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void TestDataDisplay::designationsInAnyScriptKeepTheColumns() {
    QFETCH(QString, designation);
    Program program;
    program.LogEntries({designation});
    const QString row = program.List().item(1)->text();
    QCOMPARE(row, designation + QStringLiteral("  ") + EntryRow(QString()).mid(3));

    const QFont font = program.List().font();
    const qreal cell = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
    const auto placed = RowGridDelegate::Placed(row, font);
    QCOMPARE(int(placed.size()), 6);
    QVERIFY(placed[0].text.startsWith(QChar(0x2068)) && placed[0].text.endsWith(QChar(0x2069)));
    // No face has U+10FFFD: a mark instead. (Whether one has the other
    // scripts depends on the fonts installed; Latin is in every face.)
    const bool marked = placed[0].text.contains(QChar(0xFFFD));
    if (designation.startsWith(QChar(0xDBFF)) || designation.at(0).unicode() < 0x80)
        QCOMPARE(marked, designation.startsWith(QChar(0xDBFF)));
    const std::vector<int> cells{5, 15, 21, 28, 36};
    for (std::size_t column = 1; column < placed.size(); ++column)
        QCOMPARE(placed[column].x, cells[column - 1] * cell);
}

void TestDataDisplay::buttonAndFileMenuPrintTheSameDocument() {
    Program program;
    program.LogEntries({"A1", "A2", "A3"});

    program.Print(PrintVia::Button);
    const QStringList fromButton = program.PrintJournal();
    program.Fixture().printJournal.clear();
    program.Print(PrintVia::FileMenu);

    QCOMPARE(fromButton, Document(Rows({"A1", "A2", "A3"})));
    QCOMPARE(program.PrintJournal(), fromButton);
    QCOMPARE(program.Fixture().documentsStarted, 2);
    QCOMPARE(Shown(program.Messages()), QStringList());
    QCOMPARE(program.ListRows(), Rows({"A1", "A2", "A3"}));
}

void TestDataDisplay::printingWhileTheWindowIsClosed() {
    Program program;
    program.LogEntries({"A1", "A2"});
    program.Click("cmdClose");

    program.Print(PrintVia::FileMenu);

    QCOMPARE(program.PrintJournal(), Document(Rows({"A1", "A2"})));
    // Printing does not bring the window back behind the menu's back.
    QVERIFY(!program.SubWindow().isVisible());
    QVERIFY(!program.MenuItem().isChecked());
}

// The printout is what the list shows, not what the log counted.
void TestDataDisplay::removedRowIsNotPrinted() {
    Program program;
    program.LogEntries({"A1", "A2", "A3"});
    program.ClickRow(2);
    program.Click("cmdRemove");

    program.Print(PrintVia::Button);

    QCOMPARE(program.PrintJournal(), Document(Rows({"A1", "A3"})));
    QCOMPARE(int(program.Log().EntryCount()), 3);
}

void TestDataDisplay::printerFailure_data() {
    QTest::addColumn<PrintVia>("via");

    QTest::newRow("Print button") << PrintVia::Button;
    QTest::newRow("File > Print") << PrintVia::FileMenu;
}

// A printer fault shows one message and leaves the log as it was, so the
// user can print again once the printer is back.
void TestDataDisplay::printerFailure() {
    QFETCH(PrintVia, via);
    Program program;
    program.LogEntries({"A1", "A2"});
    program.Fixture().printerError = "No default printer is installed.";

    program.Print(via);

    QCOMPARE(Shown(program.Messages()),
             QStringList{Message(Q(kPrinterErrorTitle),
                                 QStringLiteral("The GPS data could not be printed.\r\n"
                                                "No default printer is installed."),
                                 MessageIcon::Information)});
    QCOMPARE(program.ListRows(), Rows({"A1", "A2"}));
    QCOMPARE(int(program.Log().EntryCount()), 2);
    QVERIFY(program.PrintJournal().isEmpty());

    program.Fixture().printerError.clear();
    program.Print(via);
    QCOMPARE(program.PrintJournal(), Document(Rows({"A1", "A2"})));
}

QTEST_MAIN(TestDataDisplay)
#include "tst_data_display.moc"
