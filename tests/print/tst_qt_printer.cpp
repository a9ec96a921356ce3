// The Qt printer writing the printout to a PDF file, read back with poppler's
// pdftotext: where the words land on the page, in which font, on how many
// pages.

#include "FakeList.h"
#include "platform/qt/FixedPitchFont.h"
#include "platform/qt/QtPrinterService.h"
#include "print/GpsDataPrintout.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace pellucors;
using namespace pellucors::test;

namespace {

const QString kHeading = QStringLiteral("Line Length No GPS K/SM/NM Spacing Max Dist");
constexpr double kTolerance = 0.3; // points; pdftotext rounds to 1/1000 pt

struct Word {
    int page;
    double xMin;
    double xMax;
    double yMin;
    double yMax;
    QString text;
};

// The words of a printed line, left to right.
struct PrintedLine {
    int page;
    double yMin;
    std::vector<Word> words;
    QString Text() const {
        QStringList texts;
        for (const Word& word : words)
            texts.append(word.text);
        return texts.join(QLatin1Char(' '));
    }
    double X(const QString& text) const {
        for (const Word& word : words) {
            if (word.text == text)
                return word.xMin;
        }
        qFatal("no word %s", qPrintable(text));
    }
};

// Reads every word with its box (points from the page's top left corner),
// grouped into lines.
std::vector<PrintedLine> ReadLines(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        qFatal("pdftotext failed: %s", pdftotext.readAllStandardError().constData());
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());

    static const QRegularExpression tag(
        QString::fromLatin1("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                            "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<PrintedLine> lines;
    int page = 0;
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        const Word word{page,
                        m.captured(1).toDouble(),
                        m.captured(3).toDouble(),
                        m.captured(2).toDouble(),
                        m.captured(4).toDouble(),
                        text};
        // pdftotext may list a page's words column by column: group by position.
        const auto line = std::find_if(lines.begin(), lines.end(), [&word](const PrintedLine& l) {
            return l.page == word.page && qAbs(l.yMin - word.yMin) < kTolerance;
        });
        if (line == lines.end())
            lines.push_back({page, word.yMin, {word}});
        else
            line->words.push_back(word);
    }
    std::sort(lines.begin(), lines.end(), [](const PrintedLine& a, const PrintedLine& b) {
        return a.page != b.page ? a.page < b.page : a.yMin < b.yMin;
    });
    for (PrintedLine& line : lines) {
        std::sort(line.words.begin(), line.words.end(),
                  [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
    }
    return lines;
}

// The area the printout may use, in points, as a PDF printer lays it out.
QRectF PrintableArea() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return printer.pageLayout().paintRect(QPageLayout::Point);
}

FakeList ListWithRows(int entries) {
    FakeList list;
    list.rows.push_back(kHeading.toStdString());
    for (int i = 1; i <= entries; ++i) {
        const std::string number = std::to_string(i);
        list.rows.push_back("L" + number + std::string(4 - number.size(), ' ') +
                            "12.5      1     K      12.5    30");
    }
    return list;
}

} // namespace

class TestQtPrinter final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void pageLayout();
    void fullLogOnOneSheet();
    void wideRowsPrintWhole_data();
    void wideRowsPrintWhole();
    void designationsInAnyScriptKeepTheColumns();
    void printerFontIsFixedPitch_data();
    void printerFontIsFixedPitch();
    void unwritableFileIsReported();

private:
    QString Print(const FakeList& list, const QString& name);
    QTemporaryDir m_dir;
    bool m_havePdftotext = false;
};

void TestQtPrinter::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_havePdftotext = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString TestQtPrinter::Print(const FakeList& list, const QString& name) {
    const QString path = m_dir.filePath(name);
    PrintGpsData(list, *QtPrinterService::ForPdfFile(path));
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly) || !pdf.read(5).startsWith("%PDF-"))
        qFatal("no PDF document written to %s", qPrintable(path));
    return path;
}

void TestQtPrinter::pageLayout() {
    const FakeList list = ListWithRows(3);
    const QString pdf = Print(list, QStringLiteral("three-rows.pdf"));
    if (!m_havePdftotext)
        QSKIP("pdftotext (poppler-utils) is not installed");
    const std::vector<PrintedLine> lines = ReadLines(pdf);
    const QRectF area = PrintableArea();

    QCOMPARE(int(lines.size()), 5);
    QCOMPARE(lines.back().page, 1);
    QCOMPARE(lines[0].Text(), QStringLiteral("Larkmoor Aerial Surveys"));
    for (int row = 0; row < 4; ++row)
        QCOMPARE(lines[row + 1].Text(), QString::fromStdString(list.rows[row]).simplified());

    // Every word of a row starts where its character position puts it: the
    // font is fixed-pitch and the rows' spaces are kept.
    const PrintedLine& headingRow = lines[1];
    const double width20 =
        (headingRow.X(QStringLiteral("Dist")) - headingRow.X(QStringLiteral("Line"))) /
        kHeading.indexOf(QLatin1String("Dist"));
    for (int row = 0; row < 4; ++row) {
        const QString text = QString::fromStdString(list.rows[row]);
        const PrintedLine& line = lines[row + 1];
        qsizetype from = 0;
        for (const Word& word : line.words) {
            from = text.indexOf(word.text, from);
            QVERIFY2(qAbs(word.xMin - line.words.front().xMin - from * width20) < kTolerance,
                     qPrintable(word.text));
            from += word.text.size();
        }
    }
    // Columns count from the left edge of the printable area: rows after a
    // three-space indent, the company heading at column 12 in 22 pt type.
    for (int row = 1; row <= 4; ++row)
        QVERIFY(qAbs(lines[row].words.front().xMin - area.left() - 3 * width20) < kTolerance);
    const double width22 = width20 * 22 / 20;
    QVERIFY(qAbs(lines[0].X(QStringLiteral("Larkmoor")) - area.left() - 11 * width22) < kTolerance);

    // Table rows follow at one 20 pt line each; the two empty 22 pt lines
    // above the company heading and the empty line below it are kept.
    const double pitch = lines[2].yMin - lines[1].yMin;
    QVERIFY(pitch >= 20);
    for (int row = 2; row <= 4; ++row)
        QVERIFY(qAbs(lines[row].yMin - lines[row - 1].yMin - pitch) < kTolerance);
    QVERIFY(lines[0].yMin - area.top() > 1.5 * pitch);
    QVERIFY(lines[1].yMin - lines[0].yMin > 1.5 * pitch);
}

// 32 lines of 20 pt type under the heading block would run past the bottom
// of a page; a full log still goes on one sheet, in smaller type, every word
// inside the printable area.
void TestQtPrinter::fullLogOnOneSheet() {
    const FakeList list = ListWithRows(30);
    const QString pdf = Print(list, QStringLiteral("thirty-rows.pdf"));
    if (!m_havePdftotext)
        QSKIP("pdftotext (poppler-utils) is not installed");
    const std::vector<PrintedLine> lines = ReadLines(pdf);
    const QRectF area = PrintableArea();

    QCOMPARE(int(lines.size()), 32);
    QCOMPARE(lines[0].Text(), QStringLiteral("Larkmoor Aerial Surveys"));
    for (int row = 0; row <= 30; ++row)
        QCOMPARE(lines[row + 1].Text(), QString::fromStdString(list.rows[row]).simplified());
    QCOMPARE(lines.back().page, 1);
    for (const PrintedLine& line : lines) {
        for (const Word& word : line.words)
            QVERIFY2(word.yMax <= area.bottom() + kTolerance, qPrintable(word.text));
    }
    // Still read at arm's length: 16 pt or more (Courier is 0.6 em a character).
    const double pitch = (lines[1].X(QStringLiteral("Dist")) - lines[1].X(QStringLiteral("Line"))) /
                         kHeading.indexOf(QLatin1String("Dist"));
    QVERIFY2(pitch >= 16 * 0.59, qPrintable(QString::number(pitch)));
}

void TestQtPrinter::wideRowsPrintWhole_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("lines"); // printed lines of the row

    QTest::newRow("worked 48-character row")
        << QStringLiteral("X    1.234568E+07  2     K      6172839  9999980") << 1;
    QTest::newRow("21-character designation")
        << QStringLiteral("NORTH-RIDGE-LINE-0042 12.5      1     K      12.5    30") << 1;
    QTest::newRow("200-character designation")
        << QString(200, QLatin1Char('N')) + QStringLiteral(" 12.5      1     K      12.5    30")
        << 3;
}

// Measured with the printer font's own metrics on the PDF printer's A4 page:
// the table is printed at the largest half point that fits its widest row,
// and every character lands inside the printable area.
void TestQtPrinter::wideRowsPrintWhole() {
    QFETCH(QString, row);
    QFETCH(int, lines);
    FakeList list;
    list.rows = {kHeading.toStdString(), row.toStdString(),
                 "A1   13        1     K      13      30"};
    const QString pdf = Print(list, QStringLiteral("wide-row.pdf"));
    if (!m_havePdftotext)
        QSKIP("pdftotext (poppler-utils) is not installed");
    const std::vector<PrintedLine> printed = ReadLines(pdf);
    const QRectF area = PrintableArea();

    QCOMPARE(int(printed.size()), 1 + 1 + lines + 1);
    QCOMPARE(printed[1].Text(), kHeading.simplified());
    QCOMPARE(printed.back().Text(), QString::fromStdString(list.rows.back()).simplified());
    QString joined;
    for (int i = 2; i < 2 + lines; ++i)
        joined += printed[i].Text().remove(QLatin1Char(' '));
    QCOMPARE(joined, QString(row).remove(QLatin1Char(' ')));
    for (const PrintedLine& line : printed) {
        for (const Word& word : line.words)
            QVERIFY2(word.xMax <= area.right() + kTolerance, qPrintable(word.text));
    }

    // The pitch of the table's type, from where the heading row's words land.
    const PrintedLine& headingRow = printed[1];
    const double pitch =
        (headingRow.X(QStringLiteral("Dist")) - headingRow.X(QStringLiteral("Line"))) /
        kHeading.indexOf(QLatin1String("Dist"));
    QPrinter pdfPrinter(QPrinter::HighResolution);
    pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
    const double advance = // points, of one point of type
        QFontMetricsF(FixedPitchFont(QStringLiteral("Courier"), 100), &pdfPrinter)
            .horizontalAdvance(QLatin1Char('M')) *
        72 / pdfPrinter.resolution() / 100;
    const auto widest = double(3 + std::max(row.size(), kHeading.size())); // characters
    double points = 20;
    while (points > 10 && widest * advance * points > area.width())
        points -= 0.5;
    QVERIFY2(qAbs(pitch - advance * points) < 0.02, qPrintable(QString::number(pitch / advance)));
    // The row's first line starts at its indent, each further one under its
    // second column.
    for (int i = 2; i < 2 + lines; ++i)
        QVERIFY(qAbs(printed[i].words.front().xMin - area.left() - (i == 2 ? 3 : 8) * pitch) <
                kTolerance);
}

// Regression: after a combining accent, a Hebrew name (a proportional
// fallback face) or a CJK character (wider than a cell) the length column
// stood elsewhere, and a character no face has printed as blank space.
void TestQtPrinter::designationsInAnyScriptKeepTheColumns() {
    const QStringList names{"AB1",
                            QString::fromUtf8("R\u00e91"),
                            QString::fromUtf8("Re\u03011"),
                            QString::fromUtf8("\u05e7\u05d51"),
                            QString::fromUtf8("\u062e\u0637\u0663"),
                            QString::fromUtf8("\u53171"),
                            QString::fromUtf8("\U0010FFFDA1")};
    FakeList list;
    list.rows.push_back(kHeading.toStdString());
    for (int i = 0; i < names.size(); ++i)
        list.rows.push_back(QStringLiteral("%1  %2       4     K      25      30")
                                .arg(names[i])
                                .arg(101 + i)
                                .toStdString());
    const QString pdf = Print(list, QStringLiteral("scripts.pdf"));
    if (!m_havePdftotext)
        QSKIP("pdftotext (poppler-utils) is not installed");
    const std::vector<PrintedLine> lines = ReadLines(pdf);
    QCOMPARE(int(lines.size()), 2 + int(names.size()));
    const PrintedLine& headingRow = lines[1];
    const double pitch =
        (headingRow.X(QStringLiteral("Dist")) - headingRow.X(QStringLiteral("Line"))) /
        kHeading.indexOf(QLatin1String("Dist"));
    for (int i = 0; i < names.size(); ++i) {
        const PrintedLine& line = lines[2 + i];
        QVERIFY2(qAbs(line.X(QString::number(101 + i)) - PrintableArea().left() - 8 * pitch) <
                     kTolerance,
                 qPrintable(names[i]));
        QVERIFY2(qAbs(line.X(QStringLiteral("30")) - PrintableArea().left() - 39 * pitch) <
                     kTolerance,
                 qPrintable(names[i]));
    }
    QVERIFY(lines.back().words.front().text.contains(QChar(0xFFFD)));
}

void TestQtPrinter::printerFontIsFixedPitch_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");

    QTest::newRow("printout heading: Courier 22 pt") << QStringLiteral("Courier") << 22.0;
    QTest::newRow("printout table: Courier 20 pt") << QStringLiteral("Courier") << 20.0;
    QTest::newRow("GPS Data list: Courier New 9.75 pt") << QStringLiteral("Courier New") << 9.75;
    QTest::newRow("a proportional family") << QStringLiteral("DejaVu Sans") << 20.0;
    QTest::newRow("a family not installed") << QStringLiteral("Pellucors No Such Font") << 20.0;
}

// The rows only line up as columns in a fixed-pitch font: a desktop without
// the family asked for gets its fixed font, never a proportional stand-in.
void TestQtPrinter::printerFontIsFixedPitch() {
    QFETCH(QString, family);
    QFETCH(double, points);

    const QFont font = FixedPitchFont(family, points);

    QCOMPARE(font.pointSizeF(), points);
    // What matters for the columns: every character of a row is as wide as
    // the next. (fontconfig lists some fixed fonts, such as Noto Sans Mono,
    // without their spacing, so QFontInfo::fixedPitch() cannot decide it.)
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(QLatin1Char('M'));
    for (const QChar c : QStringLiteral("il1 ./KWmE+"))
        QVERIFY2(metrics.horizontalAdvance(c) == width,
                 qPrintable(QStringLiteral("'%1' in %2").arg(c).arg(QFontInfo(font).family())));
}

// A document that cannot be started is a failure with a reason, not a
// silently lost printout.
void TestQtPrinter::unwritableFileIsReported() {
    const QString path = m_dir.filePath(QStringLiteral("no-such-folder/out.pdf"));
    const FakeList list = ListWithRows(1);
    try {
        PrintGpsData(list, *QtPrinterService::ForPdfFile(path));
        QFAIL("printing into a missing folder reported success");
    } catch (const PrinterError& error) {
        QCOMPARE(QString::fromUtf8(error.what()),
                 QStringLiteral("The printer could not start the document."));
    }
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestQtPrinter)
#include "tst_qt_printer.moc"
