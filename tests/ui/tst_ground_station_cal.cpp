#include "ExpectedMessages.h"
#include "ProgramFixture.h"
#include "ui/windows/frmDataDisplay.h"
#include "ui/windows/frmGroundStationCal.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(pellucors::MessageIcon)

using pellucors::ChildWindow;
using pellucors::MessageButtons;
using pellucors::MessageIcon;
using pellucors::test::ProgramFixture;
using pellucors::test::Q;

namespace {
const char* const kBoxes[] = {"txtLineNo", "txtDistance", "txtOkError"};
const QString kSpacingHeading = QStringLiteral("Ground Station Spacing ");
const QString kMaxDistanceHeading =
    QStringLiteral("Max Distance  from Base Station with Clients Specs");
} // namespace

class TestGroundStationCal final : public QObject, private pellucors::test::WindowControls {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void rejectsTheFirstBadInput_data();
    void rejectsTheFirstBadInput();
    void missingUnitSelectsKilometers();
    void readsTheLengthInTheUsersFormat_data();
    void readsTheLengthInTheUsersFormat();
    void showsAndLogsTheStations_data();
    void showsAndLogsTheStations();
    void acceptsABlankDesignation();
    void aLongDesignationIsLoggedWhole();
    void controlCharactersDoNotBreakTheRow_data();
    void controlCharactersDoNotBreakTheRow();
    void arithmeticFailureLogsNothing_data();
    void arithmeticFailureLogsNothing();
    void clearKeepsTheUnitHeadings();
    void enterAndEscFromEachBox_data();
    void enterAndEscFromEachBox();
    void enterOnAFocusedButtonPressesThatButton();
    void accessKeys();
    void typingRightAfterAnAltKey_data();
    void typingRightAfterAnAltKey();
    void displayButtonTogglesTheDataWindow();
    void closeKeepsTheWindowsContents();
    void captionsAndTooltips_data();
    void captionsAndTooltips();

private:
    void StartProgram(pellucors::RegionalSeparators separators = {".", ","});
    pellucors::frmGroundStationCal& Window() { return m_program->Parent().GroundStationCal(); }
    const QWidget& ControlsWindow() override { return Window(); }
    QListWidget* GpsDataList() {
        return ProgramFixture::Find<QListWidget>(m_program->Parent().DataDisplay(), "lstGPSData");
    }
    QAction* MenuItem(const char* name) {
        return ProgramFixture::Find<QAction>(m_program->Parent(), name);
    }
    void TypeEntry(const QString& line, const QString& length, const QString& error) {
        Type("txtLineNo", line);
        Type("txtDistance", length);
        Type("txtOkError", error);
    }
    QStringList BoxTexts() {
        return {Box("txtLineNo")->text(), Box("txtDistance")->text(), Box("txtOkError")->text()};
    }

    std::unique_ptr<ProgramFixture> m_program;
};

void TestGroundStationCal::StartProgram(pellucors::RegionalSeparators separators) {
    m_program = std::make_unique<ProgramFixture>(std::move(separators));
    m_program->Start();
}

void TestGroundStationCal::init() {
    StartProgram();
}

void TestGroundStationCal::cleanup() {
    m_program.reset();
}

void TestGroundStationCal::rejectsTheFirstBadInput_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("boxesAfter");

    using namespace pellucors::test;
    const QString checkData = Q(kCheckData);
    const QString lengthText = Q(kLengthNotNumeric.text);
    const QString zeroTitle = Q(kLengthNotPositive.title);
    const QString zeroText = Q(kLengthNotPositive.text);
    const QString errorText = Q(kErrorNotNumeric.text);
    const QString builtInTitle = Q(kErrorNotAboveTwo.title);
    const QString builtInText = Q(kErrorNotAboveTwo.text);
    const auto Info = MessageIcon::Information;
    const auto lengthRejected =
        QStringList{"focus cmdEnter", "focus txtDistance", "empty txtDistance", "message"};
    const auto errorRejected =
        QStringList{"focus cmdEnter", "focus txtOkError", "empty txtOkError", "message"};

    // The designation is asked for first even when everything else is wrong too.
    QTest::newRow("no designation, bad length and error")
        << ""
        << "abc"
        << "1" << checkData << Q(kNoDesignation.text) << Info
        << QStringList{"focus cmdEnter", "focus txtLineNo", "message"}
        << QStringList{"", "abc", "1"};
    QTest::newRow("length typed as abc")
        << "L1"
        << "abc"
        << "5" << checkData << lengthText << Info << lengthRejected << QStringList{"L1", "", "5"};
    QTest::newRow("length with trailing letters 12abc")
        << "L1"
        << "12abc"
        << "5" << checkData << lengthText << Info << lengthRejected << QStringList{"L1", "", "5"};
    QTest::newRow("zero length") << "L1"
                                 << "0"
                                 << "5" << zeroTitle << zeroText << Info << lengthRejected
                                 << QStringList{"L1", "", "5"};
    QTest::newRow("negative length -5")
        << "L1"
        << "-5"
        << "5" << zeroTitle << zeroText << Info << lengthRejected << QStringList{"L1", "", "5"};
    QTest::newRow("length 0.0") << "L1"
                                << "0.0"
                                << "5" << zeroTitle << zeroText << Info << lengthRejected
                                << QStringList{"L1", "", "5"};
    // A length too small for the computation is zero to it, so the user hears so.
    QTest::newRow("length 1e-50 that the computation sees as zero")
        << "L1"
        << "1e-50"
        << "5" << zeroTitle << zeroText << Info << lengthRejected << QStringList{"L1", "", "5"};
    QTest::newRow("allowed error typed as abc")
        << "L1"
        << "100"
        << "abc" << checkData << errorText << Info << errorRejected << QStringList{"L1", "100", ""};
    QTest::newRow("allowed error of exactly 2 cm")
        << "L1"
        << "100"
        << "2" << builtInTitle << builtInText << MessageIcon::Exclamation << errorRejected
        << QStringList{"L1", "100", ""};
    QTest::newRow("allowed error of 1.5 cm")
        << "L1"
        << "100"
        << "1.5" << builtInTitle << builtInText << MessageIcon::Exclamation << errorRejected
        << QStringList{"L1", "100", ""};
    // An error that is 2 cm once computed must get this message, not a division by zero.
    QTest::newRow("allowed error 2.00000001 that the computation sees as 2")
        << "L1"
        << "100"
        << "2.00000001" << builtInTitle << builtInText << MessageIcon::Exclamation << errorRejected
        << QStringList{"L1", "100", ""};
}

void TestGroundStationCal::rejectsTheFirstBadInput() {
    QFETCH(QString, line);
    QFETCH(QString, length);
    QFETCH(QString, error);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(MessageIcon, icon);
    QFETCH(QStringList, events);
    QFETCH(QStringList, boxesAfter);

    TypeEntry(line, length, error);

    // What happens to focus and box texts up to the moment the message opens.
    QStringList seen;
    QObject recorder;
    connect(qApp, &QApplication::focusChanged, &recorder, [&seen](QWidget*, QWidget* now) {
        if (now)
            seen << QStringLiteral("focus ") + now->objectName();
    });
    for (const char* name : kBoxes) {
        QLineEdit* box = Box(name);
        connect(box, &QLineEdit::textChanged, &recorder, [&seen, box](const QString& now) {
            if (now.isEmpty())
                seen << QStringLiteral("empty ") + box->objectName();
        });
    }
    m_program->messages.onShow = [&seen] { seen << QStringLiteral("message"); };

    Click("cmdEnter");

    QCOMPARE(seen, events);
    QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
    const auto& shown = m_program->messages.Last();
    QCOMPARE(Q(shown.title), title);
    QCOMPARE(Q(shown.text), text);
    QCOMPARE(shown.icon, icon);
    QVERIFY(shown.buttons == MessageButtons::Ok);
    QCOMPARE(BoxTexts(), boxesAfter);
    QCOMPARE(Label("lblNoGroundStations")->text(), QString());
    QCOMPARE(Label("lblTitleGPSSpacing")->text(), kSpacingHeading);
    QCOMPARE(m_program->Log().EntryCount(), 0);
    QCOMPARE(GpsDataList()->count(), 1);
}

void TestGroundStationCal::missingUnitSelectsKilometers() {
    PickUnit(1);
    TypeEntry("L1", "100", "5");
    // No button selected: only reachable when the toolkit reports none.
    auto* group = Window().findChild<QButtonGroup*>();
    QVERIFY(group);
    group->setExclusive(false);
    Unit(1)->setChecked(false);
    group->setExclusive(true);
    QVERIFY(!group->checkedButton());

    bool kilometersAtMessage = false;
    m_program->messages.onShow = [&] { kilometersAtMessage = Unit(0)->isChecked(); };
    Click("cmdEnter");

    QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
    QCOMPARE(m_program->messages.Last().title, pellucors::test::kUnitReminder.title);
    QCOMPARE(m_program->messages.Last().text, pellucors::test::kUnitReminder.text);
    QVERIFY(kilometersAtMessage);
    QVERIFY(!Unit(1)->isChecked());
    QVERIFY(!Unit(2)->isChecked());
    QCOMPARE(Window().SelectedUnit(), 0);
    QCOMPARE(QApplication::focusWidget(), Box("txtLineNo"));
    QCOMPARE(BoxTexts(), (QStringList{"L1", "100", "5"}));
    QCOMPARE(m_program->Log().EntryCount(), 0);
}

void TestGroundStationCal::readsTheLengthInTheUsersFormat_data() {
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<float>("loggedLength");
    QTest::addColumn<QString>("spacing");

    QTest::newRow("1e3 km") << "."
                            << ","
                            << "1e3" << true << 1000.0F << "29.41";
    // A group separator must not cut the number short: 1,000 km is not 1 km.
    QTest::newRow("1,000 km with English separators") << "."
                                                      << ","
                                                      << "1,000" << true << 1000.0F << "29.41";
    QTest::newRow("2,5 km where the comma is the decimal separator")
        << ","
        << "."
        << "2,5" << true << 2.5F << "2,5";
    QTest::newRow("1.5 km where the point groups thousands") << ","
                                                             << "."
                                                             << "1.5" << false << 0.0F << "";
}

void TestGroundStationCal::readsTheLengthInTheUsersFormat() {
    QFETCH(QString, decimal);
    QFETCH(QString, group);
    QFETCH(QString, length);
    QFETCH(bool, accepted);
    QFETCH(float, loggedLength);
    QFETCH(QString, spacing);

    StartProgram({decimal.toStdString(), group.toStdString()});
    TypeEntry("L1", length, "5");
    Click("cmdEnter");

    QCOMPARE(Label("lblSpacing")->text(), spacing);
    if (accepted) {
        QVERIFY(m_program->messages.shown.empty());
        QCOMPARE(m_program->Log().EntryCount(), 1);
        QCOMPARE(m_program->Log().Entry(0).lineLength, loggedLength);
    } else {
        QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
        QCOMPARE(Q(m_program->messages.Last().text), Q(pellucors::test::kLengthNotNumeric.text));
        QCOMPARE(m_program->Log().EntryCount(), 0);
    }
}

void TestGroundStationCal::showsAndLogsTheStations_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("maxDistance");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<QString>("unitName");
    QTest::addColumn<QString>("row");

    QTest::newRow("100 km line at 5 cm") << 0 << "100"
                                         << "5"
                                         << "30"
                                         << "4"
                                         << "25"
                                         << "Kilometers"
                                         << "L7   100       4     K      25      30";
    QTest::newRow("90 km line at 5 cm, a whole number of stretches")
        << 0 << "90"
        << "5"
        << "30"
        << "3"
        << "30"
        << "Kilometers"
        << "L7   90        3     K      30      30";
    // Values under a unit-named heading are in that unit, not in kilometres.
    QTest::newRow("25 statute mile line at 5 cm") << 1 << "25"
                                                  << "5"
                                                  << "18.64"
                                                  << "2"
                                                  << "12.5"
                                                  << "Statute Miles"
                                                  << "L7   25        2     SM     12.5    18.64";
    QTest::newRow("10 nautical mile line at 3 cm") << 2 << "10"
                                                   << "3"
                                                   << "5.4"
                                                   << "2"
                                                   << "5"
                                                   << "Nautical Miles"
                                                   << "L7   10        2     NM     5       5.4";
}

void TestGroundStationCal::showsAndLogsTheStations() {
    QFETCH(int, unit);
    QFETCH(QString, length);
    QFETCH(QString, error);
    QFETCH(QString, maxDistance);
    QFETCH(QString, count);
    QFETCH(QString, spacing);
    QFETCH(QString, unitName);
    QFETCH(QString, row);

    PickUnit(unit);
    TypeEntry("L7", length, error);
    Click("cmdEnter");

    QVERIFY(m_program->messages.shown.empty());
    QCOMPARE(Label("lblClientsSpec")->text(), maxDistance);
    QCOMPARE(Label("lblNoGroundStations")->text(), count);
    QCOMPARE(Label("lblSpacing")->text(), spacing);
    QCOMPARE(Label("lblTitleGPSSpacing")->text(),
             QStringLiteral("Ground Station\nSpacing in\n") + unitName);
    QCOMPARE(Label("lblMaxDisTitle")->text(),
             QStringLiteral("Max Distance from Base Station with Clients Specs\n") + unitName);
    QCOMPARE(m_program->Log().EntryCount(), 1);
    QCOMPARE(GpsDataList()->count(), 2);
    QCOMPARE(GpsDataList()->item(1)->text(), row);
    // Ready for the next line in the same unit.
    QCOMPARE(BoxTexts(), (QStringList{"", "", ""}));
    QCOMPARE(QApplication::focusWidget(), Box("txtLineNo"));
    QCOMPARE(Window().SelectedUnit(), unit);
    QVERIFY(Unit(unit)->isChecked());
}

void TestGroundStationCal::acceptsABlankDesignation() {
    TypeEntry(" ", "100", "5");
    Click("cmdEnter");

    QVERIFY(m_program->messages.shown.empty());
    QCOMPARE(m_program->Log().EntryCount(), 1);
    QCOMPARE(Q(m_program->Log().Entry(0).lineNo), QStringLiteral(" "));
}

// A pasted tab or line break would split the fixed-width row in the list and
// on paper; a direction override would show the row's numbers reversed.
void TestGroundStationCal::aLongDesignationIsLoggedWhole() {
    // Longer than a text box holds by default (32767 characters).
    const QString designation(40000, QLatin1Char('Q'));
    Box("txtLineNo")->setText(designation);
    Type("txtDistance", QStringLiteral("100"));
    Type("txtOkError", QStringLiteral("5"));
    Click("cmdEnter");

    QVERIFY(m_program->messages.shown.empty());
    QCOMPARE(Q(m_program->Log().Entry(0).lineNo), designation);
    QVERIFY(GpsDataList()->item(1)->text().startsWith(designation + QStringLiteral(" 100 ")));
}

void TestGroundStationCal::controlCharactersDoNotBreakTheRow_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("tab and right-to-left override") << QStringLiteral("A\tB\u202EC");
    QTest::newRow("carriage return and line feed") << QStringLiteral("A\rB\nC");
    QTest::newRow("line and paragraph separators") << QStringLiteral("A\u2028B\u2029C");
    QTest::newRow("right-to-left and Arabic letter marks") << QStringLiteral("A\u200FB\u061CC");
    QTest::newRow("left-to-right isolate and pop") << QStringLiteral("A\u2066B\u2069C");
}

void TestGroundStationCal::controlCharactersDoNotBreakTheRow() {
    QFETCH(QString, typed);
    Box("txtLineNo")->setText(typed);
    Type("txtDistance", QStringLiteral("100"));
    Type("txtOkError", QStringLiteral("5"));
    Click("cmdEnter");

    QVERIFY(m_program->messages.shown.empty());
    QCOMPARE(Q(m_program->Log().Entry(0).lineNo), QStringLiteral("A B C"));
    QCOMPARE(GpsDataList()->item(1)->text(),
             QStringLiteral("A B C100       4     K      25      30"));
}

void TestGroundStationCal::arithmeticFailureLogsNothing_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("error");

    QTest::newRow("3e38 statute miles, beyond any distance") << 1 << "3e38"
                                                             << "5";
    QTest::newRow("allowed error of 3.4e38 cm") << 0 << "100"
                                                << "3.4e38";
    QTest::newRow("million km line needing more stations than can be counted") << 0 << "1000000"
                                                                               << "5";
}

void TestGroundStationCal::arithmeticFailureLogsNothing() {
    QFETCH(int, unit);
    QFETCH(QString, length);
    QFETCH(QString, error);

    TypeEntry("L1", "100", "5");
    Click("cmdEnter");
    QCOMPARE(m_program->Log().EntryCount(), 1);
    const QString loggedRow = GpsDataList()->item(1)->text();

    // Numbers too large must end in one message the user can act on, and
    // leave the typed values there to correct.
    PickUnit(unit);
    TypeEntry("L2", length, error);
    Click("cmdEnter");

    QCOMPARE(m_program->messages.shown.size(), std::size_t{1});
    const auto& shown = m_program->messages.Last();
    QCOMPARE(shown.title, pellucors::test::kCalculationError.title);
    QCOMPARE(shown.text, pellucors::test::kCalculationError.text);
    QCOMPARE(shown.icon, MessageIcon::Information);
    QVERIFY(shown.buttons == MessageButtons::Ok);
    QCOMPARE(BoxTexts(), (QStringList{"L2", length, error}));
    QCOMPARE(m_program->Log().EntryCount(), 1);
    QCOMPARE(GpsDataList()->count(), 2);
    QCOMPARE(GpsDataList()->item(1)->text(), loggedRow);
    QCOMPARE(Label("lblTitleGPSSpacing")->text(),
             QStringLiteral("Ground Station\nSpacing in\nKilometers"));
}

void TestGroundStationCal::clearKeepsTheUnitHeadings() {
    PickUnit(1);
    TypeEntry("L1", "25", "5");
    Click("cmdEnter");
    TypeEntry("L2", "30", "7");

    Click("cmdClearForm");

    QCOMPARE(BoxTexts(), (QStringList{"", "", ""}));
    for (const char* result : {"lblNoGroundStations", "lblSpacing", "lblClientsSpec"})
        QCOMPARE(Label(result)->text(), QString());
    QVERIFY(Unit(0)->isChecked());
    QCOMPARE(Window().SelectedUnit(), 0);
    QCOMPARE(QApplication::focusWidget(), Box("txtLineNo"));
    QCOMPARE(Label("lblTitleGPSSpacing")->text(),
             QStringLiteral("Ground Station\nSpacing in\nStatute Miles"));
    QCOMPARE(Label("lblMaxDisTitle")->text(),
             QStringLiteral("Max Distance from Base Station with Clients Specs\nStatute Miles"));
    QCOMPARE(m_program->Log().EntryCount(), 1);
}

void TestGroundStationCal::enterAndEscFromEachBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");

    const char* const where[] = {"line number", "length", "allowed error"};
    for (int i = 0; i < 3; ++i) {
        QTest::addRow("Enter in the %s box", where[i]) << kBoxes[i] << int(Qt::Key_Return);
        QTest::addRow("Esc in the %s box", where[i]) << kBoxes[i] << int(Qt::Key_Escape);
    }
    QTest::newRow("keypad Enter in the allowed error box") << "txtOkError" << int(Qt::Key_Enter);
}

void TestGroundStationCal::enterAndEscFromEachBox() {
    QFETCH(QString, box);
    QFETCH(int, key);

    PickUnit(2);
    TypeEntry("L1", "10", "3");
    QLineEdit* focused = Box(box.toLatin1().constData());
    focused->setFocus();
    QTest::keyClick(focused, static_cast<Qt::Key>(key));

    QVERIFY(m_program->messages.shown.empty());
    QCOMPARE(BoxTexts(), (QStringList{"", "", ""}));
    if (key == Qt::Key_Escape) {
        QCOMPARE(m_program->Log().EntryCount(), 0);
        QCOMPARE(Window().SelectedUnit(), 0);
    } else {
        QCOMPARE(m_program->Log().EntryCount(), 1);
        QCOMPARE(Label("lblClientsSpec")->text(), QStringLiteral("5.4"));
    }
}

void TestGroundStationCal::enterOnAFocusedButtonPressesThatButton() {
    // Tabbing to Clear and pressing Enter must not log the half-typed line.
    TypeEntry("L1", "100", "5");
    Button("cmdClearForm")->setFocus();
    QTest::keyClick(Button("cmdClearForm"), Qt::Key_Return);

    QCOMPARE(BoxTexts(), (QStringList{"", "", ""}));
    QCOMPARE(m_program->Log().EntryCount(), 0);
    QVERIFY(m_program->messages.shown.empty());
}

void TestGroundStationCal::accessKeys() {
    QLineEdit* line = Box("txtLineNo");
    line->setFocus();
    QTest::keyClick(line, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(Window().SelectedUnit(), 1);
    QVERIFY(Unit(1)->isChecked());
    QCOMPARE(QApplication::focusWidget(), line);

    TypeEntry("L1", "25", "5");
    QTest::keyClick(Box("txtOkError"), Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(m_program->Log().EntryCount(), 1);
    QCOMPARE(Label("lblClientsSpec")->text(), QStringLiteral("18.64"));

    TypeEntry("L2", "8", "9");
    QTest::keyClick(Box("txtOkError"), Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(BoxTexts(), (QStringList{"", "", ""}));
    QCOMPARE(Label("lblClientsSpec")->text(), QString());
    QCOMPARE(Window().SelectedUnit(), 0);
    QCOMPARE(m_program->Log().EntryCount(), 1);
}

void TestGroundStationCal::typingRightAfterAnAltKey_data() {
    QTest::addColumn<QString>("length"); // typed first with "L1" and "5"; empty: nothing
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("unit"); // selected afterwards
    QTest::addColumn<int>("entries");

    QTest::newRow("Alt+S") << QString() << int(Qt::Key_S) << 1 << 0;
    QTest::newRow("Alt+N") << QString() << int(Qt::Key_N) << 2 << 0;
    QTest::newRow("Alt+K, already selected") << QString() << int(Qt::Key_K) << 0 << 0;
    QTest::newRow("Alt+E logs the entry") << QStringLiteral("25") << int(Qt::Key_E) << 0 << 1;
    QTest::newRow("Alt+L clears the window") << QStringLiteral("25") << int(Qt::Key_L) << 0 << 0;
    // Access keys of other windows: no Alt combination types its letter.
    QTest::newRow("Alt+R, no access key here") << QString() << int(Qt::Key_R) << 0 << 0;
    QTest::newRow("Alt+P, no access key here") << QString() << int(Qt::Key_P) << 0 << 0;
    QTest::newRow("Alt+T, no access key here") << QString() << int(Qt::Key_T) << 0 << 0;
}

// Regression: after an access key the keyboard reached the designation box
// only 100 ms later, and what was typed meanwhile was lost (Alt+S then ABCDEF
// gave EF); an Alt+letter that is no access key typed its letter.
void TestGroundStationCal::typingRightAfterAnAltKey() {
    QFETCH(QString, length);
    QFETCH(int, key);
    QFETCH(int, unit);
    QFETCH(int, entries);
    if (length.isEmpty())
        Box("txtLineNo")->setFocus();
    else
        TypeEntry("L1", length, "5");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
    // At once, with no wait: the keys must land in the designation box.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ABCDEF"));

    QCOMPARE(BoxTexts(), (QStringList{"ABCDEF", "", ""}));
    QCOMPARE(Window().SelectedUnit(), unit);
    QCOMPARE(m_program->Log().EntryCount(), entries);
}

void TestGroundStationCal::displayButtonTogglesTheDataWindow() {
    QMdiSubWindow* data = m_program->Parent().SubWindow(ChildWindow::DataDisplay);
    QAction* item = MenuItem("mnuWindowDataDisplay");
    QVERIFY(data->isVisible());
    QVERIFY(item->isChecked());

    Click("cmdDisplay");
    QVERIFY(!data->isVisible());
    QVERIFY(!item->isChecked());

    Click("cmdDisplay");
    QVERIFY(data->isVisible());
    QVERIFY(item->isChecked());
}

void TestGroundStationCal::closeKeepsTheWindowsContents() {
    TypeEntry("L1", "100", "5");
    Click("cmdEnter");
    PickUnit(2);
    TypeEntry("L2", "12", "");

    QMdiSubWindow* sub = m_program->Parent().SubWindow(ChildWindow::GroundStationCal);
    QAction* item = MenuItem("mnuWindowsGroundStations");
    Click("cmdClose");
    QVERIFY(!sub->isVisible());
    QVERIFY(!item->isChecked());

    item->trigger();
    QVERIFY(sub->isVisible());
    QVERIFY(item->isChecked());
    QCOMPARE(BoxTexts(), (QStringList{"L2", "12", ""}));
    QVERIFY(Unit(2)->isChecked());
    QCOMPARE(Window().SelectedUnit(), 2);
    QCOMPARE(Label("lblClientsSpec")->text(), QStringLiteral("30"));
    QCOMPARE(Label("lblNoGroundStations")->text(), QStringLiteral("4"));
}

void TestGroundStationCal::captionsAndTooltips_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("Display GPS Data") << "cmdDisplay"
                                      << "&Display GPS Data"
                                      << "Dispalys the GPS Data window";
    QTest::newRow("Clear") << "cmdClearForm"
                           << "C&lear"
                           << "Clears this windows text boxes and display labels";
    QTest::newRow("length caption") << "Label2"
                                    << "Length  of Flight Line:"
                                    << "";
    QTest::newRow("spacing heading") << "lblTitleGPSSpacing" << kSpacingHeading << "";
    QTest::newRow("max distance heading") << "lblMaxDisTitle" << kMaxDistanceHeading << "";
    QTest::newRow("max distance result")
        << "lblClientsSpec"
        << ""
        << "Returns the distance away from a ground station based on a clients specifications ";
}

void TestGroundStationCal::captionsAndTooltips() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);

    auto* widget = ProgramFixture::Find<QWidget>(Window(), control.toLatin1().constData());
    QCOMPARE(widget->property("text").toString(), caption);
    QCOMPARE(widget->toolTip(), tooltip);
}

QTEST_MAIN(TestGroundStationCal)
#include "tst_ground_station_cal.moc"
