// The printout's page, line by line, on a printer that records every call.

#include "FakeList.h"
#include "FakeMessageService.h"
#include "RecordingPrinter.h"
#include "print/GpsDataPrintout.h"

#include <QTest>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

using namespace pellucors;
using namespace pellucors::test;

using Journal = std::vector<std::string>;

namespace {

const std::string kHeading = "Line Length No GPS K/SM/NM Spacing Max Dist";

// Lines 1 to 4 of every page: the company heading block and the empty line
// above the table.
Journal HeadingBlock() {
    return {"font Courier", "size 22", "empty", "empty", "line |col 12|Larkmoor| |Aerial| |Surveys",
            "font Courier", "size 20", "empty"};
}

FakeList ListOf(const QStringList& rows) {
    FakeList list;
    for (const QString& row : rows)
        list.rows.push_back(row.toStdString());
    return list;
}

QStringList ToStrings(const Journal& journal) {
    QStringList lines;
    for (const std::string& line : journal)
        lines.append(QString::fromStdString(line));
    return lines;
}

} // namespace

class TestPrintout final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void page_data();
    void page();
    void printingTwiceGivesTwoIdenticalDocuments();
    void printerFailure_data();
    void printerFailure();
};

void TestPrintout::page_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("table"); // the journal after the heading block

    QTest::newRow("empty list: heading block only") << QStringList() << QStringList{"end"};
    QTest::newRow("only the heading row")
        << QStringList{QString::fromStdString(kHeading)}
        << QStringList{"line |sp 3|" + QString::fromStdString(kHeading), "end"};
    // Rows go out character for character: a designation typed with a
    // leading blank and a row wider than the heading are not trimmed or cut.
    QTest::newRow("heading and three rows")
        << QStringList{QString::fromStdString(kHeading),
                       "A1   40.23     1     SM     40.23   60.47",
                       " B2  18.52     1     NM     18.52   35.56",
                       "X    1.234568E+07  2     K      6172839  9999980"}
        << QStringList{"line |sp 3|" + QString::fromStdString(kHeading),
                       "line |sp 3|A1   40.23     1     SM     40.23   60.47",
                       "line |sp 3| B2  18.52     1     NM     18.52   35.56",
                       "line |sp 3|X    1.234568E+07  2     K      6172839  9999980", "end"};
}

void TestPrintout::page() {
    QFETCH(QStringList, rows);
    QFETCH(QStringList, table);
    const FakeList list = ListOf(rows);
    Journal journal;
    RecordingPrinter printer(journal);

    PrintGpsData(list, printer);

    QCOMPARE(ToStrings(journal), ToStrings(HeadingBlock()) + table);
}

void TestPrintout::printingTwiceGivesTwoIdenticalDocuments() {
    const FakeList list =
        ListOf({QString::fromStdString(kHeading), "12   100       4     K      25      30"});
    FakeMessageService messages;
    std::deque<Journal> documents; // a journal per document, each outliving its printer
    const PrinterFactory newDocument = [&documents]() -> std::unique_ptr<PrinterService> {
        documents.emplace_back();
        return std::make_unique<RecordingPrinter>(documents.back());
    };

    QVERIFY(PrintGpsDataOrReport(list, newDocument, messages));
    QVERIFY(PrintGpsDataOrReport(list, newDocument, messages));

    QCOMPARE(int(documents.size()), 2);
    const QStringList table{"line |sp 3|" + QString::fromStdString(kHeading),
                            "line |sp 3|12   100       4     K      25      30", "end"};
    QCOMPARE(ToStrings(documents[0]), ToStrings(HeadingBlock()) + table);
    QCOMPARE(ToStrings(documents[1]), ToStrings(documents[0]));
    QCOMPARE(int(messages.shown.size()), 0);
}

void TestPrintout::printerFailure_data() {
    QTest::addColumn<bool>("noPrinter");
    QTest::addColumn<int>("failAt"); // the printer call that fails, from 0
    QTest::addColumn<QString>("reason");

    const QString deviceError = "The printer \"Test\" could not finish the document.";
    QTest::newRow("no default printer installed")
        << true << -1 << QStringLiteral("No default printer is installed.");
    QTest::newRow("printer fails on the first font setting") << false << 0 << deviceError;
    QTest::newRow("printer fails on the company heading") << false << 4 << deviceError;
    QTest::newRow("printer fails on a table row") << false << 9 << deviceError;
    QTest::newRow("printer fails when the document ends") << false << 10 << deviceError;
}

// A printer fault is reported once, with its reason, and never as a printed
// document; the list the user wanted printed stays as it was.
void TestPrintout::printerFailure() {
    QFETCH(bool, noPrinter);
    QFETCH(int, failAt);
    QFETCH(QString, reason);
    const FakeList list =
        ListOf({QString::fromStdString(kHeading), "A1   13        1     K      13      30"});
    const std::vector<std::string> rowsBefore = list.rows;
    FakeMessageService messages;
    Journal journal;
    const PrinterFactory printer = [&]() -> std::unique_ptr<PrinterService> {
        if (noPrinter)
            throw PrinterError(reason.toStdString());
        return std::make_unique<RecordingPrinter>(journal, failAt);
    };

    QVERIFY(!PrintGpsDataOrReport(list, printer, messages));

    QCOMPARE(int(messages.shown.size()), 1);
    QCOMPARE(QString::fromStdString(messages.Last().title), "Pellucors - Printer error!");
    QCOMPARE(QString::fromStdString(messages.Last().text),
             "The GPS data could not be printed.\r\n" + reason);
    QVERIFY(messages.Last().icon == MessageIcon::Information);
    QVERIFY(messages.Last().buttons == MessageButtons::Ok);
    QVERIFY(list.rows == rowsBefore);
    // Nothing after the fault reached the printer.
    QCOMPARE(int(journal.size()), std::max(failAt, 0));
}

QTEST_APPLESS_MAIN(TestPrintout)
#include "tst_printout.moc"
