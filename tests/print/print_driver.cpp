// Runs the program with its real windows and its real printer (the system's
// default printer through CUPS), logs a number of ground-station entries and
// prints the GPS Data list from the window's Print button and/or File > Print.
// Message boxes are written to stdout instead of being shown, so a script can
// check them without a display or a user:
//   row<TAB>text                  each list row, before printing
//   message<TAB>title<TAB>text    each message box; CR LF is written as \r\n
//   printed<TAB>button|menu       after each print command has returned
// Usage: print_driver ENTRIES button|menu...   (ENTRIES from 0 to 30)

#include "platform/AppInfoService.h"
#include "platform/MessageService.h"
#include "platform/qt/QtPrinterService.h"
#include "ui/Application.h"
#include "ui/frmDataDisplay.h"
#include "ui/frmParent.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>

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
    std::cerr << "usage: print_driver ENTRIES button|menu...  (ENTRIES 0 to 30)\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3)
        return Usage();
    bool number = false;
    const int entries = QString::fromLocal8Bit(argv[1]).toInt(&number);
    if (!number || entries < 0 || entries > GpsLog::kMaxEntries)
        return Usage();
    const std::vector<std::string> ways(argv + 2, argv + argc);
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

    // 12 km lines at 5 cm: one station, 12 km apart, 30 km reach; the
    // designations tell the rows apart on paper.
    for (int i = 1; i <= entries; ++i)
        program.Log().AddGpsEntry("L" + std::to_string(i), 12.0F + static_cast<float>(i),
                                  "Kilometers", 1, 12.0F + static_cast<float>(i), 30.0F, 0);

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
