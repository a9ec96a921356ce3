#include "ExpectedMessages.h"
#include "ProgramFixture.h"
#include "ui/windows/frmGPS_ErrorCal.h"
#include "ui/windows/frmGroundStationCal.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using pellucors::ChildWindow;
using pellucors::MessageButtons;
using pellucors::MessageIcon;
using pellucors::test::ProgramFixture;

using pellucors::test::ControlsOf;
using pellucors::test::Q;

class TestGpsErrorCal final : public QObject, private pellucors::test::WindowControls {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void answers_data();
    void answers();
    void refusedDistanceKeepsItsText_data();
    void refusedDistanceKeepsItsText();
    void clearKeepsTheUnit();
    void enterCalculatesAndEscClears();
    void clickingTheAnswerKeepsTheKeyboard();
    void keepsAnswerAndUnitWhileHidden();
    void unitIsIndependentOfTheGroundStationCalculator();
    void overflowKeepsAnswerAndDistance();

private:
    pellucors::frmGPS_ErrorCal& Window() { return m_program->Parent().GpsErrorCal(); }
    const QWidget& ControlsWindow() override { return Window(); }
    QLineEdit* Distance() { return Box("txtDistance"); }
    QLabel* Answer() { return Label("lblAnswer"); }
    // Clicks into the distance box (activating this window) and types.
    void TypeDistance(const QString& text);
    void Calculate(int unit, const QString& distance);

    std::unique_ptr<ProgramFixture> m_program;
};

void TestGpsErrorCal::init() {
    m_program = std::make_unique<ProgramFixture>(pellucors::RegionalSeparators{".", ","});
    m_program->Start();
}

void TestGpsErrorCal::cleanup() {
    m_program.reset();
}

void TestGpsErrorCal::TypeDistance(const QString& text) {
    QTest::mouseClick(Distance(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Distance());
    QTest::keyClicks(Distance(), text);
}

void TestGpsErrorCal::Calculate(int unit, const QString& distance) {
    PickUnit(unit);
    TypeDistance(distance);
    QTest::mouseClick(Button("cmdCalculate"), Qt::LeftButton);
}

void TestGpsErrorCal::answers_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("answer");

    QTest::newRow("100 km") << 0 << "100"
                            << "12";
    QTest::newRow("25 km") << 0 << "25"
                           << "4.5";
    QTest::newRow("at the base station") << 0 << "0"
                                         << "2";
    QTest::newRow("1 km") << 0 << "1"
                          << "2.1";
    QTest::newRow("25 statute miles") << 1 << "25"
                                      << "6.02";
    QTest::newRow("10 nautical miles") << 2 << "10"
                                       << "3.85";
    QTest::newRow("-0 km, the base station") << 0 << "-0"
                                             << "2";
    // The group separator is part of the number, not where it ends.
    QTest::newRow("1,000 km with English separators") << 0 << "1,000"
                                                      << "102";
}

void TestGpsErrorCal::answers() {
    QFETCH(int, unit);
    QFETCH(QString, distance);
    QFETCH(QString, answer);

    Calculate(unit, distance);

    QVERIFY(m_program->messages.shown.empty());
    QCOMPARE(Answer()->text(), answer);
    QCOMPARE(Distance()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), Distance());
}

void TestGpsErrorCal::refusedDistanceKeepsItsText_data() {
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a number") << "abc" << Q(pellucors::test::kDistanceNotNumeric.text);
    QTest::newRow("below zero") << "-30" << Q(pellucors::test::kDistanceNegative.text);
}

void TestGpsErrorCal::refusedDistanceKeepsItsText() {
    QFETCH(QString, distance);
    QFETCH(QString, message);
    Calculate(0, "100");
    QCOMPARE(Answer()->text(), QStringLiteral("12"));

    // The mistyped distance stays so the user can correct it.
    bool focusedAtMessage = false;
    m_program->messages.onShow = [&] {
        focusedAtMessage = QApplication::focusWidget() == Distance();
    };
    TypeDistance(distance);
    QTest::mouseClick(Button("cmdCalculate"), Qt::LeftButton);

    QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
    const auto& shown = m_program->messages.Last();
    QCOMPARE(shown.title, pellucors::test::kCheckData);
    QCOMPARE(Q(shown.text), message);
    QVERIFY(shown.icon == MessageIcon::Information);
    QVERIFY(shown.buttons == MessageButtons::Ok);
    QVERIFY(focusedAtMessage);
    QCOMPARE(Distance()->text(), distance);
    QCOMPARE(QApplication::focusWidget(), Distance());
    QCOMPARE(Answer()->text(), QStringLiteral("12"));
}

void TestGpsErrorCal::clearKeepsTheUnit() {
    Calculate(1, "25");
    QCOMPARE(Answer()->text(), QStringLiteral("6.02"));
    TypeDistance("7");

    QTest::mouseClick(Button("cmdClear"), Qt::LeftButton);

    QCOMPARE(Distance()->text(), QString());
    QCOMPARE(Answer()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), Distance());
    QVERIFY(Unit(1)->isChecked());
    QCOMPARE(Window().SelectedUnit(), 1);
}

void TestGpsErrorCal::enterCalculatesAndEscClears() {
    TypeDistance("100");
    QTest::keyClick(Distance(), Qt::Key_Return);
    QCOMPARE(Answer()->text(), QStringLiteral("12"));
    QCOMPARE(Distance()->text(), QString());

    TypeDistance("25");
    QTest::keyClick(Distance(), Qt::Key_Escape);
    QCOMPARE(Answer()->text(), QString());
    QCOMPARE(Distance()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), Distance());
    QVERIFY(m_program->messages.shown.empty());
}

void TestGpsErrorCal::clickingTheAnswerKeepsTheKeyboard() {
    TypeDistance("100");
    QTest::keyClick(Distance(), Qt::Key_Return);
    QTest::mouseDClick(Answer(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Distance());
    // Typing goes on into the distance box.
    QTest::keyClicks(QApplication::focusWidget(), "25");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(Answer()->text(), QStringLiteral("4.5"));
}

void TestGpsErrorCal::keepsAnswerAndUnitWhileHidden() {
    Calculate(2, "10");
    TypeDistance("3");
    QMdiSubWindow* sub = m_program->Parent().SubWindow(ChildWindow::GpsErrorCal);
    auto* item = ProgramFixture::Find<QAction>(m_program->Parent(), "mnuWindowsGPSError");

    QTest::mouseClick(Button("cmdClose"), Qt::LeftButton);
    QVERIFY(!sub->isVisible());
    QVERIFY(!item->isChecked());

    item->trigger();
    QVERIFY(sub->isVisible());
    QVERIFY(item->isChecked());
    QCOMPARE(Answer()->text(), QStringLiteral("3.85"));
    QCOMPARE(Distance()->text(), QStringLiteral("3"));
    QVERIFY(Unit(2)->isChecked());
    QCOMPARE(Window().SelectedUnit(), 2);

    // Switched off and on from the menu alone, too.
    item->trigger();
    QVERIFY(!sub->isVisible());
    item->trigger();
    QCOMPARE(Answer()->text(), QStringLiteral("3.85"));
    QCOMPARE(Window().SelectedUnit(), 2);
}

void TestGpsErrorCal::unitIsIndependentOfTheGroundStationCalculator() {
    pellucors::frmGroundStationCal& stations = m_program->Parent().GroundStationCal();
    PickUnit(1);
    QCOMPARE(stations.SelectedUnit(), 0);
    QVERIFY(ControlsOf(stations).Unit(0)->isChecked());

    ControlsOf(stations).PickUnit(2);
    QCOMPARE(Window().SelectedUnit(), 1);
    TypeDistance("25");
    QTest::mouseClick(Button("cmdCalculate"), Qt::LeftButton);
    QCOMPARE(Answer()->text(), QStringLiteral("6.02"));
    QCOMPARE(stations.SelectedUnit(), 2);
}

void TestGpsErrorCal::overflowKeepsAnswerAndDistance() {
    Calculate(0, "100");
    QCOMPARE(Answer()->text(), QStringLiteral("12"));

    // A distance too large in miles ends in a message, never a crash or a wrong answer.
    Calculate(1, "3e38");

    QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
    const auto& shown = m_program->messages.Last();
    QCOMPARE(shown.title, pellucors::test::kCalculationError.title);
    QCOMPARE(shown.text, pellucors::test::kCalculationError.text);
    QVERIFY(shown.icon == MessageIcon::Information);
    QCOMPARE(Answer()->text(), QStringLiteral("12"));
    QCOMPARE(Distance()->text(), QStringLiteral("3e38"));
    QCOMPARE(QApplication::focusWidget(), Distance());
}

QTEST_MAIN(TestGpsErrorCal)
#include "tst_gps_error_cal.moc"
