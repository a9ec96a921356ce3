// The handlers a user waits on, in the whole program with fake message boxes.
// Each handler has two figures:
// - NAME: Qt Test's QBENCHMARK, per iteration, including the set-up that each
//   iteration needs (typing the boxes, selecting or refilling rows);
// - NAME_latency: call by call, the handler alone and up to the end of the
//   event processing it causes (see LatencySamples); first call, median and
//   worst. Set-up events are processed before each timed call.
// Run by scripts/bench.sh; not part of the tests.
#include "LatencySamples.h"
#include "ProgramFixture.h"
#include "platform/qt/QtPrinterService.h"
#include "print/GpsDataPrintout.h"
#include "ui/windows/frmDataDisplay.h"
#include "ui/windows/frmGPS_ErrorCal.h"
#include "ui/windows/frmGroundStationCal.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

using pellucors::MessageAnswer;
using pellucors::bench::LatencySamples;
using pellucors::test::ProgramFixture;

namespace {
constexpr int kRuns = 2000;     // timed calls of a quick handler
constexpr int kPrintRuns = 200; // timed printouts
constexpr int kFullLog = 30;    // rows under the heading: all the printout takes
constexpr int kRemovedRow = 15;
} // namespace

class BenchHandlers final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    // Each handler's calls timed one by one first, so its first call is cold.
    void processEntry_latency();
    void processEntry();
    void calculate_latency();
    void calculate();
    void removeItem_latency();
    void removeItem();
    void clearList_latency();
    void clearList();
    void printGpsData_latency();
    void printGpsData();

private:
    QWidget& GroundStations() { return m_program->Parent().GroundStationCal(); }
    QWidget& ErrorCal() { return m_program->Parent().GpsErrorCal(); }
    pellucors::frmDataDisplay& DataDisplay() { return m_program->Parent().DataDisplay(); }
    pellucors::ListService& Rows() { return DataDisplay().GpsDataList(); }
    template <typename Control> Control* Find(QWidget& window, const char* name) {
        return ProgramFixture::Find<Control>(window, name);
    }

    // A valid flight line in the ground station calculator's three boxes.
    void TypeEntry();
    // Clear List answered Yes before the log reaches its last-entry warning,
    // so every entry is an ordinary one.
    void KeepLogShort();
    // The heading and kFullLog rows, nothing selected.
    void FillList();
    void ClearListYes();
    bool PrintToPdf();

    std::unique_ptr<ProgramFixture> m_program;
    QTemporaryDir m_dir;
    std::string m_row; // a row as ProcessEntry logs it
    // Looked up once: a lookup per iteration would weigh in QBENCHMARK's figure.
    QLineEdit* m_lineNo = nullptr;
    QLineEdit* m_length = nullptr;
    QLineEdit* m_allowedError = nullptr;
    QPushButton* m_clearList = nullptr;
};

void BenchHandlers::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_program = std::make_unique<ProgramFixture>();
    m_program->Start();
    m_lineNo = Find<QLineEdit>(GroundStations(), "txtLineNo");
    m_length = Find<QLineEdit>(GroundStations(), "txtDistance");
    m_allowedError = Find<QLineEdit>(GroundStations(), "txtOkError");
    m_clearList = Find<QPushButton>(DataDisplay(), "cmdClear");
    // One real entry gives the row text that fills the list later.
    TypeEntry();
    Find<QPushButton>(GroundStations(), "cmdEnter")->click();
    QCOMPARE(Rows().RowCount(), 2);
    QVERIFY(m_program->messages.shown.empty());
    m_row = Rows().RowText(1);
    ClearListYes();
    QCoreApplication::processEvents();
}

void BenchHandlers::cleanupTestCase() {
    m_program.reset();
}

void BenchHandlers::TypeEntry() {
    m_lineNo->setText(QStringLiteral("L-101"));
    m_length->setText(QStringLiteral("125.5"));
    m_allowedError->setText(QStringLiteral("10"));
}

void BenchHandlers::ClearListYes() {
    m_program->messages.answers.push_back(MessageAnswer::Yes);
    m_clearList->click();
    m_program->messages.shown.clear();
}

void BenchHandlers::KeepLogShort() {
    if (m_program->Log().EntryCount() >= kFullLog - 2)
        ClearListYes();
}

void BenchHandlers::FillList() {
    pellucors::ListService& rows = Rows();
    while (rows.RowCount() > 1)
        rows.RemoveRow(rows.RowCount() - 1);
    while (rows.RowCount() < kFullLog + 1)
        rows.AppendRow(m_row);
}

bool BenchHandlers::PrintToPdf() {
    const QString path = m_dir.filePath(QStringLiteral("gps-data.pdf"));
    // What the Print button does, with a PDF file in place of the default printer.
    return pellucors::PrintGpsDataOrReport(
        Rows(),
        [&path]() -> std::unique_ptr<pellucors::PrinterService> {
            return pellucors::QtPrinterService::ForPdfFile(path);
        },
        m_program->messages);
}

void BenchHandlers::processEntry() {
    ClearListYes();
    auto* enter = Find<QPushButton>(GroundStations(), "cmdEnter");
    QBENCHMARK {
        KeepLogShort();
        TypeEntry();
        enter->click();
    }
}

void BenchHandlers::processEntry_latency() {
    ClearListYes();
    auto* enter = Find<QPushButton>(GroundStations(), "cmdEnter");
    LatencySamples samples("processEntry");
    for (int i = 0; i < kRuns; ++i) {
        KeepLogShort();
        TypeEntry();
        QCoreApplication::processEvents();
        const int rowsBefore = Rows().RowCount();
        samples.Time([enter] { enter->click(); });
        QCOMPARE(Rows().RowCount(), rowsBefore + 1);
        QVERIFY(m_program->messages.shown.empty());
    }
    samples.Report();
}

void BenchHandlers::calculate() {
    auto* distance = Find<QLineEdit>(ErrorCal(), "txtDistance");
    auto* calculate = Find<QPushButton>(ErrorCal(), "cmdCalculate");
    distance->setFocus();
    QBENCHMARK {
        distance->setText(QStringLiteral("125.5"));
        calculate->click();
    }
}

void BenchHandlers::calculate_latency() {
    auto* distance = Find<QLineEdit>(ErrorCal(), "txtDistance");
    auto* calculate = Find<QPushButton>(ErrorCal(), "cmdCalculate");
    auto* answer = Find<QLabel>(ErrorCal(), "lblAnswer");
    distance->setFocus();
    LatencySamples samples("calculate");
    for (int i = 0; i < kRuns; ++i) {
        distance->setText(QStringLiteral("125.5"));
        answer->clear();
        QCoreApplication::processEvents();
        samples.Time([calculate] { calculate->click(); });
        QVERIFY(!answer->text().isEmpty());
        QVERIFY(distance->text().isEmpty());
    }
    QVERIFY(m_program->messages.shown.empty());
    samples.Report();
}

void BenchHandlers::removeItem() {
    FillList();
    auto* list = Find<QListWidget>(DataDisplay(), "lstGPSData");
    auto* remove = Find<QPushButton>(DataDisplay(), "cmdRemove");
    list->setFocus();
    QBENCHMARK {
        list->setCurrentRow(kRemovedRow);
        remove->click();
        Rows().InsertRow(kRemovedRow, m_row);
    }
}

void BenchHandlers::removeItem_latency() {
    FillList();
    auto* list = Find<QListWidget>(DataDisplay(), "lstGPSData");
    auto* remove = Find<QPushButton>(DataDisplay(), "cmdRemove");
    list->setFocus();
    LatencySamples samples("removeItem");
    for (int i = 0; i < kRuns; ++i) {
        list->setCurrentRow(kRemovedRow);
        QCoreApplication::processEvents();
        samples.Time([remove] { remove->click(); });
        QCOMPARE(Rows().RowCount(), kFullLog);
        Rows().InsertRow(kRemovedRow, m_row);
    }
    QVERIFY(m_program->messages.shown.empty());
    samples.Report();
}

void BenchHandlers::clearList() {
    QPushButton* clear = m_clearList;
    QBENCHMARK {
        FillList();
        m_program->messages.answers.push_back(MessageAnswer::Yes);
        clear->click();
    }
    m_program->messages.shown.clear();
}

void BenchHandlers::clearList_latency() {
    QPushButton* clear = m_clearList;
    LatencySamples samples("clearList");
    for (int i = 0; i < kRuns; ++i) {
        FillList();
        m_program->messages.answers.push_back(MessageAnswer::Yes);
        QCoreApplication::processEvents();
        samples.Time([clear] { clear->click(); });
        QCOMPARE(Rows().RowCount(), 1);
        QVERIFY(m_program->messages.answers.empty());
    }
    m_program->messages.shown.clear();
    samples.Report();
}

void BenchHandlers::printGpsData() {
    FillList();
    QBENCHMARK {
        PrintToPdf();
    }
}

void BenchHandlers::printGpsData_latency() {
    FillList();
    QCOMPARE(Rows().RowCount(), kFullLog + 1);
    LatencySamples samples("printGpsData31");
    const QString path = m_dir.filePath(QStringLiteral("gps-data.pdf"));
    for (int i = 0; i < kPrintRuns; ++i) {
        QFile::remove(path);
        QCoreApplication::processEvents();
        bool printed = false;
        samples.Time([this, &printed] { printed = PrintToPdf(); });
        QVERIFY(printed);
        QVERIFY(QFileInfo(path).size() > 0);
    }
    QVERIFY(m_program->messages.shown.empty());
    samples.Report();
}

QTEST_MAIN(BenchHandlers)
#include "bench_handlers.moc"
