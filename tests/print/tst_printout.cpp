// The printout's page, line by line, on a printer that records every call.

#include "FakeList.h"
#include "FakeMessageService.h"
#include "RecordingPrinter.h"
#include "core/Graphemes.h"
#include "print/GpsDataPrintout.h"
#include "print/TableFit.h"

#include <QRegularExpression>
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

const std::string kWorkedRow = "X    1.234568E+07  2     K      6172839  9999980"; // 48 characters
const std::string kLongNameRow = "NORTH-RIDGE-LINE-0042 12.5      1     K      12.5    30";
// Printable areas in points.
const QSizeF kA4Driver(kA4DriverWidth, kA4DriverHeight);
const QSizeF kLetterDriver(612 - 2 * 18, 792 - 2 * 18);
// A queue without a driver names no margins: a quarter inch all round.
const QSizeF kA4Raw(595.28 - 2 * 18, 841.89 - 2 * 18);

// Lines 1 to 4 of every page: the company heading block and the empty line
// above the table, whose type is `tableSize` points.
Journal HeadingBlock(const std::string& tableSize = "20") {
    return {"font Courier",
            "size 22",
            "empty",
            "empty",
            "line |col 12|Larkmoor| |Aerial| |Surveys",
            "font Courier",
            "size " + tableSize,
            "empty"};
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
    void rowTooWideAtTheSmallestSizeContinues_data();
    void rowTooWideAtTheSmallestSizeContinues();
    void linesInHeight_data();
    void linesInHeight();
    void printingTwiceGivesTwoIdenticalDocuments();
    void printerFailure_data();
    void printerFailure();
};

void TestPrintout::page_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QSizeF>("printable"); // points
    QTest::addColumn<QString>("tableSize");
    QTest::addColumn<QStringList>("table"); // the journal after the heading block

    const QString heading = QString::fromStdString(kHeading);
    const QString worked = QString::fromStdString(kWorkedRow);
    const QString longName = QString::fromStdString(kLongNameRow);
    const QString a1 = "A1   40.23     1     SM     40.23   60.47";
    // Rows go out character for character: a designation typed with a
    // leading blank is not trimmed.
    const QString b2 = " B2  18.52     1     NM     18.52   35.56";
    const auto printed = [](const QStringList& rows) {
        QStringList lines;
        for (const QString& row : rows)
            lines.append("line |sp 3|" + row);
        return lines << "end";
    };
    QStringList fullLog{heading}; // 30 entries, the most the log holds
    for (int entry = 1; entry <= 30; ++entry)
        fullLog << QStringLiteral("L%1 12.5      1     K      12.5    30").arg(entry, -3);

    QTest::newRow("empty list: heading block only")
        << QStringList() << kA4Driver << "20" << QStringList{"end"};
    QTest::newRow("only the heading row")
        << QStringList{heading} << kA4Driver << "20" << printed({heading});
    QTest::newRow("a log that fits A4 prints at 20 pt, as always")
        << QStringList{heading, a1, b2} << kA4Driver << "20" << printed({heading, a1, b2});
    // The heading row and its indent are 46 characters: 552 pt at 20 pt.
    QTest::newRow("the widest row exactly fills the width")
        << QStringList{heading, a1} << QSizeF(552, kA4DriverHeight) << "20"
        << printed({heading, a1});
    QTest::newRow("half a character too narrow: the next step down")
        << QStringList{heading, a1} << QSizeF(546, kA4DriverHeight) << "19.5"
        << printed({heading, a1});
    // Wider than in proportion below 20 pt, the size guessed from the width
    // at 20 pt (19) does not fit: the next step down does.
    QTest::newRow("the guessed size a hair too wide")
        << QStringList{heading, a1} << QSizeF(524.5, kA4DriverHeight) << "18.5"
        << printed({heading, a1});
    // The worked row and its indent are 51 characters, 612 pt at 20 pt:
    // a number beyond the edge would be cut on paper. The whole table gets
    // smaller, so its columns stay aligned.
    QTest::newRow("worked 48-character row on A4 with a driver")
        << QStringList{heading, a1, worked} << kA4Driver << "18" << printed({heading, a1, worked});
    QTest::newRow("worked 48-character row on Letter with a driver")
        << QStringList{heading, worked} << kLetterDriver << "18.5" << printed({heading, worked});
    QTest::newRow("worked 48-character row on a raw A4 queue")
        << QStringList{heading, worked} << kA4Raw << "18" << printed({heading, worked});
    QTest::newRow("21-character designation on Letter")
        << QStringList{heading, longName} << kLetterDriver << "16.5"
        << printed({heading, longName});
    QTest::newRow("21-character designation on A4")
        << QStringList{heading, longName} << kA4Driver << "16" << printed({heading, longName});
    // A row that is not ASCII goes out column by column on the grid: a
    // right-to-left designation is a text of its own, whose direction does not
    // carry the columns after it, and a face wider than the grid's cells
    // moves no column...
    const QString columns = "  10        1     K      10      30";
    const QString onTheGrid = "|col 9|10|col 19|1|col 25|K|col 32|10|col 40|30";
    for (const char* name : {"\u062e\u0637\u0661", "Re\u03011", "\u53171"})
        QTest::newRow(name) << QStringList{heading, QString::fromUtf8(name) + columns} << kA4Driver
                            << "20" << printed({heading, QString::fromUtf8(name) + onTheGrid});
    // ...unless the name is drawn wider than its padding leaves room for:
    // then one blank follows it (the recording printer draws Hebrew letters
    // a cell and a half wide, as a proportional face may).
    QTest::newRow("a designation drawn wider than its cells")
        << QStringList{heading,
                       QString::fromUtf8("\u05e7\u05d5\u05e7\u05d5\u05e7") + columns.mid(2)}
        << kA4Driver << "20"
        << printed({heading, QString::fromUtf8("\u05e7\u05d5\u05e7\u05d5\u05e7") +
                                 "|col 13|10|col 23|1|col 29|K|col 36|10|col 44|30"});
    QTest::newRow("a designation drawn to the end of its padding")
        << QStringList{heading, QString::fromUtf8("\u05e7\u05d5\u05e7") + columns} << kA4Driver
        << "20"
        << printed({heading, QString::fromUtf8("\u05e7\u05d5\u05e7") +
                                 "|col 10|10|col 20|1|col 26|K|col 33|10|col 41|30"});
    // The log holds what fits one sheet: 32 lines of 20 pt type under the
    // company heading do not fit a page, so the table gets smaller.
    QTest::newRow("30 entries on one sheet of a raw A4 queue")
        << fullLog << kA4Raw << "18" << printed(fullLog);
    QTest::newRow("30 entries on one sheet of Letter with a driver")
        << fullLog << kLetterDriver << "16.5" << printed(fullLog);
    // Both the widest row and every row must fit.
    const QStringList fullWithWorked = fullLog.mid(0, 30) << worked;
    QTest::newRow("30 entries, the last a worked 48-character row, on a raw A4 queue")
        << fullWithWorked << kA4Raw << "18" << printed(fullWithWorked);

    // A page too short for a full log even at 10 pt (12.5 pt lines under the
    // 82.5 pt heading block): each page holds as many lines as fit, a page
    // after the first starting with the heading row. `linesPerPage` counts
    // the table's lines on each page, that heading row included.
    const auto onPages = [&](const QList<int>& linesPerPage) {
        QStringList table;
        qsizetype next = 0;
        for (qsizetype page = 0; page < linesPerPage.size(); ++page) {
            if (page > 0)
                table << "page"
                      << "line |sp 3|" + heading;
            for (int line = page > 0 ? 1 : 0; line < linesPerPage[page]; ++line)
                table << "line |sp 3|" + fullLog[next++];
        }
        return table << "end";
    };
    QTest::newRow("a first page exactly full")
        << fullLog << QSizeF(kA4DriverWidth, 295) << "10" << onPages({16, 16});
    QTest::newRow("a first page a hair short of a line")
        << fullLog << QSizeF(kA4DriverWidth, 294.9) << "10" << onPages({15, 17});
    QTest::newRow("later pages exactly full")
        << fullLog << QSizeF(kA4DriverWidth, 200) << "10" << onPages({8, 16, 9});
}

void TestPrintout::page() {
    QFETCH(QStringList, rows);
    QFETCH(QSizeF, printable);
    QFETCH(QString, tableSize);
    QFETCH(QStringList, table);
    const FakeList list = ListOf(rows);
    Journal journal;
    RecordingPrinter printer(journal, -1, printable.width(), printable.height());

    PrintGpsData(list, printer);

    QCOMPARE(ToStrings(journal), ToStrings(HeadingBlock(tableSize.toStdString())) + table);
}

void TestPrintout::rowTooWideAtTheSmallestSizeContinues_data() {
    QTest::addColumn<QString>("designation");
    QTest::addColumn<double>("printableWidth");
    QTest::addColumn<int>("pages");

    QTest::newRow("200-character designation on A4")
        << QString(200, QLatin1Char('N')) << kA4DriverWidth << 1;
    QTest::newRow("200-character designation on Letter")
        << QString(200, QLatin1Char('N')) << kLetterDriver.width() << 1;
    // Two bytes a character in the row: a break must not split one.
    QTest::newRow("200 accented characters") << QString(200, QChar(0x00C9)) << kA4DriverWidth << 1;
    QTest::newRow("200 letters with a combining accent")
        << QStringLiteral("E\u0301").repeated(200) << kA4DriverWidth << 1;
    QTest::newRow("words with blanks at the breaks")
        << QStringLiteral("RIDGE ").repeated(40) << kA4DriverWidth << 1;
    QTest::newRow("a designation longer than a page continues under the heading row")
        << QString(10000, QLatin1Char('N')) << kA4DriverWidth << 3;
}

// A row wider than the paper even at 10 pt continues on the next lines, each
// under the row's second column so that it does not read as a row of its
// own; nothing is cut, trimmed or lost, and the other rows
// stay whole. A page it runs onto starts with the heading row.
void TestPrintout::rowTooWideAtTheSmallestSizeContinues() {
    QFETCH(QString, designation);
    QFETCH(double, printableWidth);
    QFETCH(int, pages);
    const QString row = designation + " 12.5      1     K      12.5    30";
    const QString a1 = "A1   40.23     1     SM     40.23   60.47";
    const QString headingLine = "line |sp 3|" + QString::fromStdString(kHeading);
    const FakeList list = ListOf({QString::fromStdString(kHeading), row, a1});
    Journal journal;
    RecordingPrinter printer(journal, -1, printableWidth);

    PrintGpsData(list, printer);

    const Journal block = HeadingBlock("10");
    QVERIFY(std::equal(block.begin(), block.end(), journal.begin()));
    QCOMPARE(QString::fromStdString(journal[block.size()]), headingLine);
    QCOMPARE(QString::fromStdString(journal[journal.size() - 2]), "line |sp 3|" + a1);
    QCOMPARE(journal.back(), std::string("end"));

    const std::size_t room = static_cast<std::size_t>(printableWidth / CellWidth(10));
    QString joined;
    QString indent = "line |sp 3|"; // then under the row's second column
    int pagesSeen = 1;
    const std::size_t first = block.size() + 1;
    std::size_t last = journal.size() - 3;
    while (journal[last] == "page" || QString::fromStdString(journal[last]) == headingLine)
        --last; // the row ended its page: the last row starts the next one
    QVERIFY2(last > first, "the row was not continued");
    for (std::size_t i = first; i <= last; ++i) {
        if (journal[i] == "page") {
            ++pagesSeen;
            QCOMPARE(QString::fromStdString(journal[++i]), headingLine);
            continue;
        }
        const QString line = QString::fromStdString(journal[i]);
        QVERIFY2(line.startsWith(indent), qPrintable(line));
        const QString piece = line.mid(11);
        const std::size_t cells =
            (indent == "line |sp 3|" ? 3 : 8) + DisplayWidth(piece.toStdString());
        // Never between a letter and its accent.
        QVERIFY(!piece.isEmpty() && !piece.startsWith(QChar(0x0301)));
        QVERIFY2(cells <= room, qPrintable(line));
        // Broken after the last character that fits, not sooner.
        if (i < last)
            QCOMPARE(cells, room);
        joined += piece;
        indent = "line |sp 8|";
    }
    // Column moves stand for the blanks between the columns of a row that is
    // not ASCII.
    static const QRegularExpression columnMove(QStringLiteral("\\|col \\d+\\|"));
    if (joined.contains(columnMove))
        QCOMPARE(joined.replace(columnMove, QStringLiteral(" ")), row.simplified());
    else
        QCOMPARE(joined, row);
    QCOMPARE(pagesSeen, pages);
}

void TestPrintout::linesInHeight_data() {
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("lineHeight");
    QTest::addColumn<int>("lines");
    QTest::newRow("exactly ten") << 125.0 << 12.5 << 10;
    QTest::newRow("lines less than a unit high") << 100.0 << 0.5 << 200;
    QTest::newRow("a hair short of ten") << 124.9 << 12.5 << 9;
    QTest::newRow("no room") << -5.0 << 12.5 << 0;
    QTest::newRow("lines of no height") << 100.0 << 0.0 << 0;
}

void TestPrintout::linesInHeight() {
    QFETCH(double, height);
    QFETCH(double, lineHeight);
    QFETCH(int, lines);
    QCOMPARE(LinesInHeight(height, lineHeight), lines);
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
