// Hostile texts pasted into every box of both calculators, each with the
// message the user must get: nothing crashes, nothing absurd is computed or
// logged, and the box the message is about is the one emptied.

#include "ExpectedMessages.h"
#include "ProgramFixture.h"
#include "core/GpsLog.h"
#include "core/ListRow.h"
#include "core/NumericInput.h"
#include "platform/ListService.h"
#include "ui/windows/frmDataDisplay.h"
#include "ui/windows/frmGPS_ErrorCal.h"
#include "ui/windows/frmGroundStationCal.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cmath>

using namespace pellucors;
using namespace pellucors::test;

namespace {

enum class Box { Designation, Length, AllowedError, Distance };

// What a box must make of a text: accept it (null) or give one message.
using Outcome = const ExpectedMessage*;
constexpr Outcome kAccepted = nullptr;

// One hostile text and what each box must make of it. The other boxes of the
// ground station calculator hold a valid entry: designation H1, 10 km, 5 cm.
struct HostileInput {
    const char* name;
    QString text;
    Outcome designation;
    Outcome length;
    Outcome allowedError;
    Outcome distance;
};

QString Groups(int count) {
    return QStringLiteral("1") + QStringLiteral(",000").repeated(count);
}

QList<HostileInput> HostileInputs() {
    const QChar nul(0);
    return {
        {"nothing", QString(), &kNoDesignation, &kLengthNotNumeric, &kErrorNotNumeric,
         &kDistanceNotNumeric},
        {"only blanks", QStringLiteral("   "), kAccepted, &kLengthNotNumeric, &kErrorNotNumeric,
         &kDistanceNotNumeric},
        {"10 000 nines", QString(10000, QLatin1Char('9')), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"10 000 zeros", QString(10000, QLatin1Char('0')), kAccepted, &kLengthNotPositive,
         &kErrorNotAboveTwo, kAccepted},
        {"10 000 letters", QString(10000, QLatin1Char('x')), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"a NUL character", QString(nul), kAccepted, &kLengthNotNumeric, &kErrorNotNumeric,
         &kDistanceNotNumeric},
        {"a NUL between digits", QStringLiteral("1") + nul + QStringLiteral("5"), kAccepted,
         &kLengthNotNumeric, &kErrorNotNumeric, &kDistanceNotNumeric},
        {"control characters", QStringLiteral("\x01\x1b\x7f"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"tabs around 25", QStringLiteral("\t25\t"), kAccepted, kAccepted, kAccepted, kAccepted},
        {"a line feed after 25", QStringLiteral("25\n"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"right-to-left override", QStringLiteral("\u202E25"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"Hebrew designation", QStringLiteral("\u05E7\u05D5 7"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"combining accent on a digit", QStringLiteral("25\u0301"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"Arabic-Indic digits", QStringLiteral("\u0662\u0665"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"1e309 beyond double range", QStringLiteral("1e309"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"minus zero", QStringLiteral("-0"), kAccepted, &kLengthNotPositive, &kErrorNotAboveTwo,
         kAccepted},
        {"NaN", QStringLiteral("NaN"), kAccepted, &kLengthNotNumeric, &kErrorNotNumeric,
         &kDistanceNotNumeric},
        {"Infinity", QStringLiteral("Infinity"), kAccepted, &kLengthNotNumeric, &kErrorNotNumeric,
         &kDistanceNotNumeric},
        {"hexadecimal 0x10", QStringLiteral("0x10"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"hexadecimal &H10", QStringLiteral("&H10"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        // A billion km needs more stations than a count holds.
        {"a billion in groups", Groups(3), kAccepted, &kCalculationError, kAccepted, kAccepted},
        // 1E+300 is a double but no single: every chain overflows.
        {"100 group separators", Groups(100), kAccepted, &kCalculationError, &kCalculationError,
         &kCalculationError},
        {"400 group separators", Groups(400), kAccepted, &kLengthNotNumeric, &kErrorNotNumeric,
         &kDistanceNotNumeric},
        {"group separators out of place", QStringLiteral("1,0,0"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"only group separators", QStringLiteral(",,,"), kAccepted, &kLengthNotNumeric,
         &kErrorNotNumeric, &kDistanceNotNumeric},
        {"near the single maximum", QStringLiteral("3.4e38"), kAccepted, &kCalculationError,
         &kCalculationError, kAccepted},
        // Above 2 only beyond single precision: the computation would use 2.
        {"2.00000001", QStringLiteral("2.00000001"), kAccepted, kAccepted, &kErrorNotAboveTwo,
         kAccepted},
    };
}

QString BoxName(Box box) {
    switch (box) {
    case Box::Designation:
        return QStringLiteral("as line designation");
    case Box::Length:
        return QStringLiteral("as line length");
    case Box::AllowedError:
        return QStringLiteral("as allowed error");
    case Box::Distance:
        return QStringLiteral("as distance for the error");
    }
    return {};
}

// What Ctrl+V does: the box's text replaced by the clipboard's.
void Paste(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    box->insert(text);
}

void AddRows(bool groundStation) {
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    for (const HostileInput& input : HostileInputs()) {
        const auto add = [&input](Box box, Outcome outcome) {
            const QString name = QString::fromLatin1(input.name) + QLatin1Char(' ') + BoxName(box);
            QTest::newRow(qPrintable(name)) << box << input.text << outcome;
        };
        if (groundStation) {
            add(Box::Designation, input.designation);
            add(Box::Length, input.length);
            add(Box::AllowedError, input.allowedError);
        } else {
            add(Box::Distance, input.distance);
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(Box)
Q_DECLARE_METATYPE(Outcome)

class HostileInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void groundStationCalculator_data() { AddRows(true); }
    void groundStationCalculator();
    void errorCalculator_data() { AddRows(false); }
    void errorCalculator();

private:
    void VerifyMessage(Outcome outcome);

    std::unique_ptr<ProgramFixture> m_program;
};

void HostileInputTest::init() {
    m_program = std::make_unique<ProgramFixture>();
    m_program->Start();
}

void HostileInputTest::cleanup() {
    m_program.reset();
}

void HostileInputTest::VerifyMessage(Outcome outcome) {
    const auto& shown = m_program->messages.shown;
    if (outcome == kAccepted) {
        QVERIFY2(shown.empty(), shown.empty() ? "" : shown.front().title.c_str());
        return;
    }
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown.front().title, outcome->title);
    QCOMPARE(shown.front().text, outcome->text);
    QCOMPARE(shown.front().icon, outcome->icon);
    QCOMPARE(shown.front().buttons, MessageButtons::Ok);
}

void HostileInputTest::groundStationCalculator() {
    QFETCH(Box, box);
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);

    const frmGroundStationCal& gs = m_program->Parent().GroundStationCal();
    auto* txtLineNo = ProgramFixture::Find<QLineEdit>(gs, "txtLineNo");
    auto* txtDistance = ProgramFixture::Find<QLineEdit>(gs, "txtDistance");
    auto* txtOkError = ProgramFixture::Find<QLineEdit>(gs, "txtOkError");
    QLineEdit* const boxes[] = {txtLineNo, txtDistance, txtOkError};
    Paste(txtLineNo, QStringLiteral("H1"));
    Paste(txtDistance, QStringLiteral("10"));
    Paste(txtOkError, QStringLiteral("5"));
    QLineEdit* hostile = boxes[static_cast<int>(box)];
    Paste(hostile, text);
    QStringList held;
    for (const QLineEdit* b : boxes)
        held << b->text();
    QTest::keyClick(hostile, Qt::Key_Return);

    VerifyMessage(outcome);
    const ListService& list = m_program->Parent().DataDisplay().GpsDataList();
    if (outcome == kAccepted) {
        QCOMPARE(list.RowCount(), 2);
        QVERIFY(list.RowText(1).rfind(pellucors::LoggedDesignation(held[0].toStdString()), 0) == 0);
        for (const QLineEdit* b : boxes)
            QVERIFY(b->text().isEmpty());
        for (const char* result : {"lblNoGroundStations", "lblSpacing", "lblClientsSpec"})
            QVERIFY(IsFiniteNumber(ProgramFixture::Find<QLabel>(gs, result)->text()));
        return;
    }
    QCOMPARE(list.RowCount(), 1);
    QCOMPARE(m_program->Log().EntryCount(), std::int16_t{0});
    // A failed check empties and focuses the box it is about; an abandoned
    // calculation keeps every box for correction.
    const int emptied = outcome == &kNoDesignation                                        ? 0
                        : outcome == &kLengthNotNumeric || outcome == &kLengthNotPositive ? 1
                        : outcome == &kCalculationError                                   ? -1
                                                                                          : 2;
    for (int i = 0; i < 3; ++i)
        QCOMPARE(boxes[i]->text(), i == emptied ? QString() : held[i]);
    if (emptied >= 0)
        QVERIFY(boxes[emptied]->hasFocus());
}

void HostileInputTest::errorCalculator() {
    QFETCH(Box, box);
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QCOMPARE(box, Box::Distance);

    const frmGPS_ErrorCal& ec = m_program->Parent().GpsErrorCal();
    auto* txtDistance = ProgramFixture::Find<QLineEdit>(ec, "txtDistance");
    auto* lblAnswer = ProgramFixture::Find<QLabel>(ec, "lblAnswer");
    Paste(txtDistance, text);
    const QString held = txtDistance->text();
    QTest::keyClick(txtDistance, Qt::Key_Return);

    VerifyMessage(outcome);
    if (outcome == kAccepted) {
        QVERIFY2(IsFiniteNumber(lblAnswer->text()), qPrintable(lblAnswer->text()));
        QVERIFY(txtDistance->text().isEmpty());
    } else {
        // The typed text stays for correction; no answer appears.
        QCOMPARE(txtDistance->text(), held);
        QVERIFY(lblAnswer->text().isEmpty());
    }
}

QTEST_MAIN(HostileInputTest)
#include "tst_hostile_input.moc"
