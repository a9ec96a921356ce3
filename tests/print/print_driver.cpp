// Runs the program with its real windows and its real printer (the system's
// default printer through CUPS), logs ground-station entries and prints the
// GPS Data list from the window's Print button and/or File > Print. Each
// --enter entry is typed into the ground station calculator (kilometres) and
// entered; then ENTRIES more are logged directly.
// Message boxes are written to stdout instead of being shown, so a script can
// check them without a display or a user:
//   row<TAB>text                  each list row, before printing
//   message<TAB>title<TAB>text    each message box; CR LF is written as \r\n
//   printed<TAB>button|menu       after each print command has returned
// Usage: print_driver [--enter DESIGNATION KM CM]... ENTRIES button|menu...
//        (at most 30 entries in all)

#include "core/StationPlan.h"
#include "platform/AppInfoService.h"
#include "platform/MessageService.h"
#include "platform/qt/QtPrinterService.h"
#include "ui/shell/Application.h"
#include "ui/windows/frmDataDisplay.h"
#include "ui/windows/frmGroundStationCal.h"
#include "ui/windows/frmParent.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>

#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace pellucors;

class StdoutMessageService final : public MessageService {
public:
    MessageAnswer Show(const std::string& title, const std::string& text, MessageIcon,
                       MessageButtons buttons) override {
        std::string shown;
        for (const char c : text) {
            if (c == '\r')
                shown += "\\r";
            else if (c == '\n')
                shown += "\\n";
            else
                shown += c;
        }
        std::cout << "message\t" << title << '\t' << shown << std::endl;
        // Only Clear List asks, and the driver never clears.
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
};

class NoAppInfo final : public AppInfoService {
public:
    std::string Title() const override { return "Pellucors"; }
    int MajorVersion() const override { return 1; }
    int MinorVersion() const override { return 0; }
    int Revision() const override { return 0; }
};

int Usage() {
    std::cerr << "usage: print_driver [--enter DESIGNATION KM CM]... ENTRIES button|menu...\n"
                 "       (at most 30 entries in all)\n";
    return 2;
}

struct TypedEntry {
    QString designation;
    QString length;
    QString allowedError;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::vector<TypedEntry> typed;
    int next = 1;
    while (next + 3 < argc && std::string(argv[next]) == "--enter") {
        typed.push_back({QString::fromLocal8Bit(argv[next + 1]),
                         QString::fromLocal8Bit(argv[next + 2]),
                         QString::fromLocal8Bit(argv[next + 3])});
        next += 4;
    }
    if (argc < next + 2)
        return Usage();
    bool number = false;
    const int entries = QString::fromLocal8Bit(argv[next]).toInt(&number);
    if (!number || entries < 0 || entries + int(typed.size()) > GpsLog::kMaxEntries)
        return Usage();
    const std::vector<std::string> ways(argv + next + 1, argv + argc);
    for (const std::string& way : ways) {
        if (way != "button" && way != "menu")
            return Usage();
    }

    StdoutMessageService messages;
    NoAppInfo appInfo;
    Application program({messages,
                         appInfo,
                         [] { return QtPrinterService::ForDefaultPrinter(); },
                         {".", ","},
                         [] {}});
    program.Main();
    program.HandOver();

    QWidget& calculator = program.Parent()->GroundStationCal();
    for (const TypedEntry& entry : typed) {
        calculator.findChild<QLineEdit*>(QStringLiteral("txtLineNo"))->setText(entry.designation);
        calculator.findChild<QLineEdit*>(QStringLiteral("txtDistance"))->setText(entry.length);
        calculator.findChild<QLineEdit*>(QStringLiteral("txtOkError"))->setText(entry.allowedError);
        calculator.findChild<QAbstractButton*>(QStringLiteral("cmdEnter"))->click();
    }
    // 13 to 42 km lines at 10 cm: one station, 80 km reach; the
    // designations tell the rows apart on paper.
    for (int i = 1; i <= entries; ++i) {
        StationPlan plan;
        PlanStations(12 + i, 0, 10, messages, plan);
        program.Log().AddGpsEntry("L" + std::to_string(i), plan);
    }

    frmDataDisplay& window = program.Parent()->DataDisplay();
    const ListService& rows = window.GpsDataList();
    for (int i = 0; i < rows.RowCount(); ++i)
        std::cout << "row\t" << rows.RowText(i) << '\n';

    for (const std::string& way : ways) {
        if (way == "button") {
            window.findChild<QAbstractButton*>(QStringLiteral("cmdPrint"))->click();
        } else {
            program.Parent()->findChild<QAction*>(QStringLiteral("mnuFilePrint"))->trigger();
        }
        std::cout << "printed\t" << way << std::endl;
    }
    return 0;
}
