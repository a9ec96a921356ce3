// Thousands of random user actions on the whole program, drawn from a seeded
// generator: typing and pasting ordinary and hostile texts, unit clicks,
// Enter and Esc, menu items and shortcuts, Close and Display GPS Data,
// selecting and removing rows, Clear List answered Yes or No, Home Position,
// About, Print on a printer that sometimes fails. After every action the
// program's invariants must hold. A failure names its seed; PELLUCORS_SEED
// replays it and PELLUCORS_ACTIONS sets the number of actions.

#include "ProgramFixture.h"
#include "core/DistanceUnit.h"
#include "core/GpsLog.h"
#include "core/ListRow.h"
#include "core/NumberText.h"
#include "core/NumericInput.h"
#include "platform/ListService.h"
#include "ui/windows/frmAbout.h"
#include "ui/windows/frmDataDisplay.h"
#include "ui/windows/frmGPS_ErrorCal.h"
#include "ui/windows/frmGroundStationCal.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <deque>
#include <random>
#include <set>

#if defined(__SANITIZE_ADDRESS__)
#define PELLUCORS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELLUCORS_SANITIZED 1
#endif
#endif

using namespace pellucors;
using namespace pellucors::test;

namespace {

#ifdef PELLUCORS_SANITIZED
constexpr int kDefaultActions = 6000; // several times slower under the sanitizers
#else
constexpr int kDefaultActions = 20000;
#endif
constexpr quint64 kDefaultSeed = 20240611;
const RegionalSeparators kSeparators{".", ","};

enum class Action {
    TypeIntoBox,
    PasteIntoBox,
    FillEntry,
    EntryBurst,
    ClickUnit,
    PressEnter,
    PressEscape,
    ClickCalculatorButton,
    ToggleFromMenu,
    Shortcut,
    CloseButton,
    DisplayButton,
    SelectRow,
    RemoveItem,
    ClearList,
    HomePosition,
    About,
    CloseAbout,
    Print,
    ActivateMain,
};

struct Weighted {
    Action action;
    int weight;
};

// Entries are made often, and now and then in a burst of up to 40, so that
// the log reaches its 30-entry limit between clears.
constexpr Weighted kActions[] = {
    {Action::TypeIntoBox, 10},   {Action::PasteIntoBox, 8},
    {Action::FillEntry, 14},     {Action::EntryBurst, 1},
    {Action::ClickUnit, 6},      {Action::PressEnter, 10},
    {Action::PressEscape, 3},    {Action::ClickCalculatorButton, 6},
    {Action::ToggleFromMenu, 4}, {Action::Shortcut, 5},
    {Action::CloseButton, 3},    {Action::DisplayButton, 2},
    {Action::SelectRow, 6},      {Action::RemoveItem, 5},
    {Action::ClearList, 2},      {Action::HomePosition, 1},
    {Action::About, 1},          {Action::CloseAbout, 2},
    {Action::Print, 2},          {Action::ActivateMain, 2},
};

// Texts no keyboard types but a paste can bring.
QStringList HostileTexts() {
    return {
        QString(),
        QStringLiteral("   "),
        QString(10000, QLatin1Char('7')),
        QString(10000, QLatin1Char('x')),
        QString(QChar(0)),
        QStringLiteral("1") + QChar(0) + QStringLiteral("5"),
        QStringLiteral("\x01\x02\x1b\x7f"),
        QStringLiteral("\t5\t"),
        QStringLiteral("5\n"),
        QStringLiteral("\u202E12\u202C"),
        QStringLiteral("5\u0301"),
        QStringLiteral("\u0665"),
        QStringLiteral("\U0001F6E9 line"),
        QStringLiteral("1e309"),
        QStringLiteral("-0"),
        QStringLiteral("NaN"),
        QStringLiteral("Infinity"),
        QStringLiteral("0x10"),
        QStringLiteral("&H10"),
        QStringLiteral("1,000,000,000"),
        QStringLiteral("1") + QStringLiteral(",000").repeated(100),
        QStringLiteral("1") + QStringLiteral(",000").repeated(400),
        QStringLiteral("3.4e38"),
        QStringLiteral("2.00000001"),
    };
}

// Pieces of random texts: number parts, blanks, letters and the odd
// character a user may paste.
QStringList TextPieces() {
    return {QStringLiteral("0"),      QStringLiteral("1"),      QStringLiteral("2"),
            QStringLiteral("5"),      QStringLiteral("9"),      QStringLiteral("."),
            QStringLiteral(","),      QStringLiteral("e"),      QStringLiteral("E"),
            QStringLiteral("-"),      QStringLiteral("+"),      QStringLiteral(" "),
            QStringLiteral("a"),      QStringLiteral("Z"),      QStringLiteral("'"),
            QStringLiteral("\u00A0"), QStringLiteral("\u202F"), QStringLiteral("\u0301"),
            QStringLiteral("\u202E"), QStringLiteral("\t"),     QString(QChar(0)),
            QStringLiteral("000"),    QStringLiteral("e+38"),   QStringLiteral("e-45")};
}

const QStringList kDesignations = {QStringLiteral("A1"),     QStringLiteral("12"),
                                   QStringLiteral("B22"),    QStringLiteral("99999"),
                                   QStringLiteral(" "),      QStringLiteral("LINE-0042"),
                                   QStringLiteral("Nord 7"), QStringLiteral("\u00C5s")};
const QStringList kLengths = {
    QStringLiteral("100"),   QStringLiteral("25"),     QStringLiteral("10"),
    QStringLiteral("90"),    QStringLiteral("0.125"),  QStringLiteral("12345678"),
    QStringLiteral("1e3"),   QStringLiteral("1,000"),  QStringLiteral("0"),
    QStringLiteral("-5"),    QStringLiteral("3.4e38"), QStringLiteral("1e9"),
    QStringLiteral("1e-40"), QStringLiteral("0.001"),  QStringLiteral("40000")};
const QStringList kErrors = {QStringLiteral("5"),    QStringLiteral("3"),
                             QStringLiteral("2.5"),  QStringLiteral("10"),
                             QStringLiteral("2"),    QStringLiteral("2.00000001"),
                             QStringLiteral("1e6"),  QStringLiteral("1e30"),
                             QStringLiteral("2.01"), QStringLiteral("abc")};

// Control characters and long texts made readable for the failure report.
QString Printable(const QString& text) {
    QString shown;
    for (const QChar c : text.left(40)) {
        if (c.isPrint() && c != QLatin1Char('\\'))
            shown += c;
        else
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (text.size() > 40)
        shown += QStringLiteral("...(%1 characters)").arg(text.size());
    return QLatin1Char('[') + shown + QLatin1Char(']');
}

} // namespace

class RandomActions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void keepsInvariantsUnderRandomUse();

private:
    // Everything the invariants compare with: the state before an action.
    struct Snapshot {
        std::vector<std::string> rows;
        std::size_t messages = 0;
        std::size_t journal = 0;
        int documents = 0;
    };

    quint64 Pick(quint64 count) { return m_random() % count; }
    template <typename List> auto PickFrom(const List& list) {
        return list.at(static_cast<decltype(list.size())>(Pick(list.size())));
    }
    Action PickAction();
    QString RandomText();
    QString Perform(Action action);

    QString TypeIntoBox(bool paste);
    QString FillEntry();
    QString ClickUnit();
    QString PressKey(Qt::Key key);
    QString ClickCalculatorButton();
    QString ToggleFromMenu();
    QString Shortcut();
    QString CloseButton();
    QString SelectRow();
    QString ClearList();
    QString CloseAbout();
    QString Print();
    QString Failing() const {
        return m_printerError.isEmpty() ? QString() : QStringLiteral(", failing");
    }
    bool ActivateMain();

    bool Shown(ChildWindow window) const;
    std::vector<ChildWindow> ShownWindows() const;
    std::vector<QLineEdit*> ShownBoxes() const;
    QListWidget& List() const;
    std::vector<std::string> Rows() const;
    Snapshot Take();
    // What the ground station calculator holds just before a key or click
    // that may log an entry.
    void NoteEntryInputs();

    QString Check(const Snapshot& before, const QString& printerError);
    QString CheckRowsChange(const Snapshot& before, const std::vector<std::string>& rows);
    QString CheckPrint(const Snapshot& before, const QString& printerError,
                       const std::vector<std::string>& rows);
    QString Report(int step, const QString& problem) const;

    std::unique_ptr<ProgramFixture> m_program;
    std::mt19937_64 m_random;
    quint64 m_seed = kDefaultSeed;
    std::deque<QString> m_recent;
    std::multiset<std::string> m_loggedRows;
    std::pair<std::string, UnitIndex> m_entryInputs;
    QString m_printerError;
    MessageAnswer m_answer = MessageAnswer::No;
    int m_burst = 0; // entries still to make in a row
    int m_entries = 0;
    int m_refusals = 0;
    int m_clears = 0;
    int m_prints = 0;
};

void RandomActions::init() {
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("PELLUCORS_SEED").toULongLong(&ok);
    m_seed = ok ? seed : kDefaultSeed;
    m_random.seed(m_seed);
    m_program = std::make_unique<ProgramFixture>(kSeparators);
    m_program->Start();
}

void RandomActions::cleanup() {
    m_program.reset();
}

Action RandomActions::PickAction() {
    if (m_burst > 0) {
        --m_burst;
        return Action::FillEntry;
    }
    int total = 0;
    for (const Weighted& w : kActions)
        total += w.weight;
    auto ticket = static_cast<int>(Pick(static_cast<quint64>(total)));
    for (const Weighted& w : kActions) {
        if (ticket < w.weight)
            return w.action;
        ticket -= w.weight;
    }
    return Action::PressEnter;
}

QString RandomActions::RandomText() {
    switch (Pick(4)) {
    case 0:
        return PickFrom(HostileTexts());
    case 1: {
        // A plausible number with the odd wrong character.
        QString text = QString::number(static_cast<double>(Pick(100000)) / 100.0);
        if (Pick(3) == 0)
            text.insert(static_cast<qsizetype>(Pick(static_cast<quint64>(text.size()) + 1)),
                        PickFrom(TextPieces()));
        return text;
    }
    default: {
        const QStringList pieces = TextPieces();
        QString text;
        const quint64 count = Pick(12);
        for (quint64 i = 0; i < count; ++i)
            text += PickFrom(pieces);
        return text;
    }
    }
}

bool RandomActions::Shown(ChildWindow window) const {
    return m_program->Parent().SubWindow(window)->isVisible();
}

std::vector<ChildWindow> RandomActions::ShownWindows() const {
    std::vector<ChildWindow> shown;
    for (const ChildWindow window :
         {ChildWindow::GpsErrorCal, ChildWindow::GroundStationCal, ChildWindow::DataDisplay}) {
        if (Shown(window))
            shown.push_back(window);
    }
    return shown;
}

std::vector<QLineEdit*> RandomActions::ShownBoxes() const {
    std::vector<QLineEdit*> boxes;
    if (Shown(ChildWindow::GroundStationCal)) {
        const QWidget& gs = m_program->Form(ChildWindow::GroundStationCal);
        for (const char* name : {"txtLineNo", "txtDistance", "txtOkError"})
            boxes.push_back(ProgramFixture::Find<QLineEdit>(gs, name));
    }
    if (Shown(ChildWindow::GpsErrorCal))
        boxes.push_back(m_program->Find<QLineEdit>(ChildWindow::GpsErrorCal, "txtDistance"));
    return boxes;
}

QListWidget& RandomActions::List() const {
    return *m_program->Find<QListWidget>(ChildWindow::DataDisplay, "lstGPSData");
}

std::vector<std::string> RandomActions::Rows() const {
    const ListService& list = m_program->Parent().DataDisplay().GpsDataList();
    std::vector<std::string> rows;
    for (int i = 0; i < list.RowCount(); ++i)
        rows.push_back(list.RowText(i));
    return rows;
}

RandomActions::Snapshot RandomActions::Take() {
    NoteEntryInputs();
    return {Rows(), m_program->messages.shown.size(), m_program->printJournal.size(),
            m_program->documentsStarted};
}

void RandomActions::NoteEntryInputs() {
    const frmGroundStationCal& gs = m_program->Parent().GroundStationCal();
    m_entryInputs = {LoggedDesignation(gs.FirstInput()->text().toStdString()), gs.SelectedUnit()};
}

QString RandomActions::TypeIntoBox(bool paste) {
    const std::vector<QLineEdit*> boxes = ShownBoxes();
    if (boxes.empty())
        return QStringLiteral("no text box shown");
    QLineEdit* box = PickFrom(boxes);
    QTest::mouseClick(box, Qt::LeftButton);
    if (Pick(2) == 0)
        box->selectAll();
    if (paste) {
        // What Ctrl+V does with the clipboard's text.
        const QString text = RandomText();
        box->insert(text);
        return QStringLiteral("paste %1 into %2").arg(Printable(text), box->objectName());
    }
    QString text;
    const quint64 count = 1 + Pick(8);
    const QString keys = QStringLiteral("0123456789.,-+eE aX");
    for (quint64 i = 0; i < count; ++i)
        text += keys.at(static_cast<qsizetype>(Pick(static_cast<quint64>(keys.size()))));
    QTest::keyClicks(box, text);
    return QStringLiteral("type %1 into %2").arg(Printable(text), box->objectName());
}

QString RandomActions::FillEntry() {
    if (!Shown(ChildWindow::GroundStationCal)) {
        m_program->Parent().MenuItem(ChildWindow::GroundStationCal)->trigger();
        return QStringLiteral("show the ground station calculator from the menu");
    }
    const QWidget& gs = m_program->Form(ChildWindow::GroundStationCal);
    const QString designation = Pick(5) == 0 ? RandomText() : PickFrom(kDesignations);
    const QString length = Pick(5) == 0 ? RandomText() : PickFrom(kLengths);
    const QString error = Pick(8) == 0 ? RandomText() : PickFrom(kErrors);
    const std::pair<const char*, QString> boxes[] = {
        {"txtLineNo", designation}, {"txtDistance", length}, {"txtOkError", error}};
    for (const auto& [name, text] : boxes) {
        auto* box = ProgramFixture::Find<QLineEdit>(gs, name);
        box->setFocus();
        box->selectAll();
        box->insert(text);
    }
    NoteEntryInputs();
    QTest::keyClick(ProgramFixture::Find<QLineEdit>(gs, "txtOkError"), Qt::Key_Return);
    return QStringLiteral("enter %1, %2, %3")
        .arg(Printable(designation), Printable(length), Printable(error));
}

QString RandomActions::ClickUnit() {
    std::vector<ChildWindow> calculators;
    for (const ChildWindow window : {ChildWindow::GpsErrorCal, ChildWindow::GroundStationCal}) {
        if (Shown(window))
            calculators.push_back(window);
    }
    if (calculators.empty())
        return QStringLiteral("no calculator shown");
    const ChildWindow window = PickFrom(calculators);
    const QString name = QStringLiteral("optDistance%1").arg(Pick(3));
    QTest::mouseClick(m_program->Find<QRadioButton>(window, qPrintable(name)), Qt::LeftButton);
    return QStringLiteral("click %1 of %2").arg(name, m_program->Form(window).objectName());
}

QString RandomActions::PressKey(Qt::Key key) {
    const std::vector<ChildWindow> shown = ShownWindows();
    if (shown.empty())
        return QStringLiteral("no child window shown");
    QWidget& form = m_program->Form(PickFrom(shown));
    // Enter presses a focused button, and Exit would end the run.
    const QWidget* focused = QApplication::focusWidget();
    if (focused && focused->objectName() == QLatin1String("cmdExit"))
        return QStringLiteral("focus on Exit");
    QWidget* target = form.focusWidget();
    if (!target || !target->isVisible())
        target = form.focusProxy() ? form.focusProxy() : &form;
    NoteEntryInputs();
    QTest::keyClick(target, key);
    return QStringLiteral("%1 on %2 in %3")
        .arg(key == Qt::Key_Return ? QStringLiteral("Enter") : QStringLiteral("Esc"),
             target->objectName(), form.objectName());
}

QString RandomActions::ClickCalculatorButton() {
    std::vector<std::pair<ChildWindow, const char*>> buttons;
    if (Shown(ChildWindow::GroundStationCal)) {
        buttons.emplace_back(ChildWindow::GroundStationCal, "cmdEnter");
        buttons.emplace_back(ChildWindow::GroundStationCal, "cmdClearForm");
    }
    if (Shown(ChildWindow::GpsErrorCal)) {
        buttons.emplace_back(ChildWindow::GpsErrorCal, "cmdCalculate");
        buttons.emplace_back(ChildWindow::GpsErrorCal, "cmdClear");
    }
    if (buttons.empty())
        return QStringLiteral("no calculator shown");
    const auto [window, name] = PickFrom(buttons);
    NoteEntryInputs();
    QTest::mouseClick(m_program->Find<QPushButton>(window, name), Qt::LeftButton);
    return QStringLiteral("click %1").arg(QLatin1String(name));
}

QString RandomActions::ToggleFromMenu() {
    const auto window = static_cast<ChildWindow>(Pick(3));
    QAction* item = m_program->Parent().MenuItem(window);
    item->trigger();
    return QStringLiteral("menu %1").arg(item->objectName());
}

bool RandomActions::ActivateMain() {
    frmParent& parent = m_program->Parent();
    if (!parent.isActiveWindow()) {
        parent.activateWindow();
        return QTest::qWaitForWindowActive(&parent, 1000);
    }
    return true;
}

QString RandomActions::Shortcut() {
    if (!ActivateMain())
        return QStringLiteral("main window could not be activated");
    // Ctrl+X is left out: it ends the program.
    constexpr Qt::Key kKeys[] = {Qt::Key_E, Qt::Key_G, Qt::Key_D, Qt::Key_H, Qt::Key_P, Qt::Key_A};
    const Qt::Key key = kKeys[Pick(std::size(kKeys))];
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != &m_program->Parent())
        target = &m_program->Parent();
    QTest::keyClick(target, key, Qt::ControlModifier);
    return QStringLiteral("Ctrl+%1 on %2")
        .arg(QChar(static_cast<char16_t>(key)), target->objectName());
}

QString RandomActions::CloseButton() {
    const std::vector<ChildWindow> shown = ShownWindows();
    if (shown.empty())
        return QStringLiteral("no child window shown");
    QWidget& form = m_program->Form(PickFrom(shown));
    QTest::mouseClick(ProgramFixture::Find<QPushButton>(form, "cmdClose"), Qt::LeftButton);
    return QStringLiteral("Close of %1").arg(form.objectName());
}

QString RandomActions::SelectRow() {
    if (!Shown(ChildWindow::DataDisplay))
        return QStringLiteral("data window hidden");
    QListWidget& list = List();
    const auto row = static_cast<int>(Pick(static_cast<quint64>(list.count())));
    QListWidgetItem* item = list.item(row);
    list.scrollToItem(item);
    // Ctrl+click on the selected row takes the selection away.
    const bool deselect = item->isSelected() && Pick(2) == 0;
    QTest::mouseClick(list.viewport(), Qt::LeftButton,
                      deselect ? Qt::ControlModifier : Qt::NoModifier,
                      list.visualItemRect(item).center());
    return QStringLiteral("%1 row %2")
        .arg(deselect ? QStringLiteral("deselect") : QStringLiteral("select"))
        .arg(row);
}

QString RandomActions::ClearList() {
    if (!Shown(ChildWindow::DataDisplay))
        return QStringLiteral("data window hidden");
    QWidget& form = m_program->Form(ChildWindow::DataDisplay);
    if (Pick(2) == 0) {
        QTest::mouseClick(ProgramFixture::Find<QPushButton>(form, "cmdClear"), Qt::LeftButton);
        return QStringLiteral("Clear List");
    }
    QTest::keyClick(&List(), Qt::Key_Escape);
    return QStringLiteral("Esc in the list");
}

QString RandomActions::CloseAbout() {
    frmAbout* about = m_program->Parent().About();
    if (!about || !about->isVisible())
        return QStringLiteral("About not shown");
    if (Pick(2) == 0) {
        QTest::mouseClick(ProgramFixture::Find<QPushButton>(*about, "cmdClose"), Qt::LeftButton);
        return QStringLiteral("Close of About");
    }
    about->close();
    return QStringLiteral("close box of About");
}

QString RandomActions::Print() {
    m_printerError = Pick(4) == 0 ? QStringLiteral("The printer is out of paper.") : QString();
    m_program->printerError = m_printerError.toStdString();
    if (Shown(ChildWindow::DataDisplay) && Pick(2) == 0) {
        QTest::mouseClick(m_program->Find<QPushButton>(ChildWindow::DataDisplay, "cmdPrint"),
                          Qt::LeftButton);
        return QStringLiteral("Print button") + Failing();
    }
    m_program->Parent().findChild<QAction*>(QStringLiteral("mnuFilePrint"))->trigger();
    return QStringLiteral("File > Print") + Failing();
}

QString RandomActions::Perform(Action action) {
    switch (action) {
    case Action::TypeIntoBox:
        return TypeIntoBox(false);
    case Action::PasteIntoBox:
        return TypeIntoBox(true);
    case Action::FillEntry:
        return FillEntry();
    case Action::EntryBurst:
        m_burst = static_cast<int>(5 + Pick(36));
        return QStringLiteral("start a burst of %1 entries").arg(m_burst);
    case Action::ClickUnit:
        return ClickUnit();
    case Action::PressEnter:
        return PressKey(Qt::Key_Return);
    case Action::PressEscape:
        return PressKey(Qt::Key_Escape);
    case Action::ClickCalculatorButton:
        return ClickCalculatorButton();
    case Action::ToggleFromMenu:
        return ToggleFromMenu();
    case Action::Shortcut:
        return Shortcut();
    case Action::CloseButton:
        return CloseButton();
    case Action::DisplayButton:
        if (!Shown(ChildWindow::GroundStationCal))
            return QStringLiteral("ground station calculator hidden");
        QTest::mouseClick(m_program->Find<QPushButton>(ChildWindow::GroundStationCal, "cmdDisplay"),
                          Qt::LeftButton);
        return QStringLiteral("Display GPS Data");
    case Action::SelectRow:
        return SelectRow();
    case Action::RemoveItem:
        if (!Shown(ChildWindow::DataDisplay))
            return QStringLiteral("data window hidden");
        QTest::mouseClick(m_program->Find<QPushButton>(ChildWindow::DataDisplay, "cmdRemove"),
                          Qt::LeftButton);
        return QStringLiteral("Remove Item");
    case Action::ClearList:
        return ClearList();
    case Action::HomePosition:
        m_program->Parent().findChild<QAction*>(QStringLiteral("mnuWindowHome"))->trigger();
        return QStringLiteral("Home Position");
    case Action::About:
        m_program->Parent().findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
        return QStringLiteral("About");
    case Action::CloseAbout:
        return CloseAbout();
    case Action::Print:
        return Print();
    case Action::ActivateMain:
        return ActivateMain() ? QStringLiteral("activate the main window")
                              : QStringLiteral("main window could not be activated");
    }
    return {};
}

QString RandomActions::CheckRowsChange(const Snapshot& before,
                                       const std::vector<std::string>& rows) {
    if (rows == before.rows)
        return {};
    if (rows.size() == before.rows.size() + 1) {
        // One entry was logged: the row is new and follows the row rules,
        // with the numbers the calculator shows.
        const auto inserted = static_cast<std::size_t>(
            std::mismatch(before.rows.begin(), before.rows.end(), rows.begin()).second -
            rows.begin());
        std::vector<std::string> without = rows;
        without.erase(without.begin() + static_cast<long>(inserted));
        if (without != before.rows)
            return QStringLiteral("rows changed besides the new entry");
        const std::string& row = rows[inserted];
        // The row of the record just stored: the designation typed, the
        // unit selected, the numbers the calculator shows.
        const GpsEntry& entry = m_program->Log().Entry(m_program->Log().EntryCount() - 1);
        const QWidget& gs = m_program->Form(ChildWindow::GroundStationCal);
        const auto shows = [&gs](const char* label) {
            return ProgramFixture::Find<QLabel>(gs, label)->text().toStdString();
        };
        if (row != FormatListRow(entry, kSeparators.decimal) ||
            entry.lineNo != m_entryInputs.first ||
            entry.unitAbbrev != UnitAbbreviation(m_entryInputs.second))
            return QStringLiteral("logged row %1 is not the entry made")
                .arg(Printable(QString::fromStdString(row)));
        if (CountToText(entry.noGroundStations) != shows("lblNoGroundStations") ||
            SingleToText(entry.spacing, kSeparators.decimal) != shows("lblSpacing") ||
            SingleToText(entry.maxDistance, kSeparators.decimal) != shows("lblClientsSpec"))
            return QStringLiteral("logged row disagrees with the results shown");
        if (entry.noGroundStations < 1 || !std::isfinite(entry.lineLength))
            return QStringLiteral("logged row %1 holds no stations or no length")
                .arg(Printable(QString::fromStdString(row)));
        m_loggedRows.insert(row);
        ++m_entries;
        return {};
    }
    if (rows.size() + 1 == before.rows.size()) {
        std::vector<std::string> kept = before.rows;
        const auto removed = static_cast<std::size_t>(
            std::mismatch(rows.begin(), rows.end(), before.rows.begin()).second -
            before.rows.begin());
        if (removed == 0)
            return QStringLiteral("the heading row was removed");
        kept.erase(kept.begin() + static_cast<long>(removed));
        return kept == rows ? QString() : QStringLiteral("rows changed besides the removed one");
    }
    if (rows.size() == 1)
        return {};
    return QStringLiteral("the list changed from %1 to %2 rows in one action")
        .arg(before.rows.size())
        .arg(rows.size());
}

QString RandomActions::CheckPrint(const Snapshot& before, const QString& printerError,
                                  const std::vector<std::string>& rows) {
    if (m_program->documentsStarted == before.documents)
        return {};
    ++m_prints;
    const std::vector<std::string>& journal = m_program->printJournal;
    if (!printerError.isEmpty()) {
        const auto& shown = m_program->messages.shown;
        if (shown.size() == before.messages || shown.back().title != "Pellucors - Printer error!")
            return QStringLiteral("a failed print was not reported");
        return journal.size() == before.journal
                   ? QString()
                   : QStringLiteral("a failed print still wrote to the printer");
    }
    // Every row of the list, in order, then the end of the document. The
    // journal parts the texts of a line with bars and column moves (a row
    // that is not ASCII goes out column by column); only the characters
    // other than blanks, and their order, count here.
    const auto characters = [](std::string text) {
        for (std::size_t move = text.find("|col "); move != std::string::npos;
             move = text.find("|col ", move))
            text.erase(move, text.find('|', move + 1) - move);
        std::erase(text, '|');
        std::erase(text, ' ');
        return text;
    };
    std::vector<std::string> printed;
    for (std::size_t i = before.journal; i < journal.size(); ++i) {
        // A page the rows continue on starts with the heading row again.
        if (journal[i] == "page" && !rows.empty()) {
            if (++i == journal.size() || journal[i] != "line |sp 3|" + rows.front())
                return QStringLiteral("a page of the printout lacks the heading row");
        } else if (journal[i].rfind("line |sp ", 0) == 0) {
            printed.push_back(characters(journal[i].substr(journal[i].find('|', 6) + 1)));
        }
    }
    // A row too wide for the paper continues on the next lines.
    std::size_t line = 0;
    for (const std::string& listed : rows) {
        const std::string row = characters(listed);
        std::string joined;
        do {
            if (line == printed.size())
                return QStringLiteral("the printout does not hold the list's rows");
            joined += printed[line++];
        } while (joined.size() < row.size());
        if (joined != row)
            return QStringLiteral("the printout does not hold the list's rows");
    }
    if (line != printed.size() || journal.empty() || journal.back() != "end")
        return QStringLiteral("the printout does not hold the list's rows");
    return {};
}

QString RandomActions::Check(const Snapshot& before, const QString& printerError) {
    if (m_program->processEnded != 0)
        return QStringLiteral("the program ended");
    frmParent& parent = m_program->Parent();
    for (const ChildWindow window :
         {ChildWindow::GpsErrorCal, ChildWindow::GroundStationCal, ChildWindow::DataDisplay}) {
        if (parent.MenuItem(window)->isChecked() != Shown(window))
            return QStringLiteral("menu mark of %1 differs from its window's visibility")
                .arg(parent.MenuItem(window)->objectName());
    }

    const std::vector<std::string> rows = Rows();
    if (rows.empty() || rows.front() != TitleRow())
        return QStringLiteral("row 0 is not the heading");
    if (rows.size() > 31)
        return QStringLiteral("the list holds %1 rows").arg(rows.size());
    const GpsLog& log = m_program->Log();
    if (log.EntryCount() < 0 || log.EntryCount() > GpsLog::kMaxEntries)
        return QStringLiteral("EntryCount is %1").arg(log.EntryCount());
    if (log.ListCleared() ? rows.size() != 1
                          : rows.size() - 1 > static_cast<std::size_t>(log.EntryCount()))
        return QStringLiteral("the list holds more entries than were counted");
    if (QString problem = CheckRowsChange(before, rows); !problem.isEmpty())
        return problem;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (m_loggedRows.count(rows[i]) == 0)
            return QStringLiteral("row %1 was never logged").arg(i);
    }

    const QWidget& gs = m_program->Form(ChildWindow::GroundStationCal);
    const QWidget& ec = m_program->Form(ChildWindow::GpsErrorCal);
    const QLabel* results[] = {ProgramFixture::Find<QLabel>(gs, "lblNoGroundStations"),
                               ProgramFixture::Find<QLabel>(gs, "lblSpacing"),
                               ProgramFixture::Find<QLabel>(gs, "lblClientsSpec"),
                               ProgramFixture::Find<QLabel>(ec, "lblAnswer")};
    for (const QLabel* result : results) {
        if (!result->text().isEmpty() && !IsFiniteNumber(result->text()))
            return QStringLiteral("%1 shows %2")
                .arg(result->objectName(), Printable(result->text()));
    }

    const auto& shown = m_program->messages.shown;
    for (std::size_t i = before.messages; i < shown.size(); ++i) {
        if (shown[i].title.rfind("Pellucor", 0) != 0)
            return QStringLiteral("a message box without the program's name");
        if (shown[i].title == "Pellucors - Too many entries!")
            ++m_refusals;
        if (shown[i].buttons == MessageButtons::YesNo && m_answer == MessageAnswer::Yes)
            ++m_clears;
    }
    if (parent.findChildren<frmAbout*>().size() > 1)
        return QStringLiteral("more than one About window");
    return CheckPrint(before, printerError, rows);
}

QString RandomActions::Report(int step, const QString& problem) const {
    QString report = QStringLiteral("seed %1, action %2: %3\nlast actions:\n")
                         .arg(m_seed)
                         .arg(step)
                         .arg(problem);
    for (const QString& action : m_recent)
        report += QStringLiteral("  ") + action + QLatin1Char('\n');
    return report + QStringLiteral("replay with PELLUCORS_SEED=%1").arg(m_seed);
}

void RandomActions::keepsInvariantsUnderRandomUse() {
    bool ok = false;
    const int requested = qEnvironmentVariableIntValue("PELLUCORS_ACTIONS", &ok);
    const int actions = ok && requested > 0 ? requested : kDefaultActions;

    for (int step = 1; step <= actions; ++step) {
        const Snapshot before = Take();
        m_answer = Pick(2) == 0 ? MessageAnswer::Yes : MessageAnswer::No;
        m_program->messages.answers = {m_answer};
        m_printerError.clear();
        m_program->printerError.clear();

        const QString done = Perform(PickAction());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_recent.push_back(QStringLiteral("%1: %2").arg(step).arg(done));
        if (m_recent.size() > 12)
            m_recent.pop_front();

        const QString problem = Check(before, m_printerError);
        QVERIFY2(problem.isEmpty(), qPrintable(Report(step, problem)));
    }

    // A random session ends like any other: Exit unloads every window.
    m_program->Parent().findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_program->processEnded, 1);
    QVERIFY(!m_program->App().Parent());

    qInfo("seed %llu: %d actions, %d entries logged, %d refused, %d clears, %d prints",
          static_cast<unsigned long long>(m_seed), actions, m_entries, m_refusals, m_clears,
          m_prints);
    // A full-length run that never logged or cleared tried too little.
    if (actions >= 1000)
        QVERIFY2(m_entries > 0 && m_clears > 0,
                 qPrintable(Report(actions, QStringLiteral("too few entries or clears"))));
}

QTEST_MAIN(RandomActions)
#include "tst_random_actions.moc"
