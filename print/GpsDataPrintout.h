#pragma once

#include <functional>
#include <memory>

namespace pellucors {

class ListService;
class MessageService;
class PrinterService;

// Prints the GPS Data list as one document: the company heading in 22 pt
// Courier, then every row of `rows` (the heading row first) indented by three
// spaces in 20 pt Courier, or smaller where the rows would not fit the
// paper's width or the page (see TableFit.h); rows too long even then continue
// on further pages, each starting with the heading row. Throws PrinterError
// when the printer fails.
void PrintGpsData(const ListService& rows, PrinterService& printer);

// A fresh print document on each call (the default printer in the program).
using PrinterFactory = std::function<std::unique_ptr<PrinterService>()>;

// PrintGpsData on a new document; a printer failure is shown to the user as
// one message and nothing else changes. Returns whether the document was
// printed.
bool PrintGpsDataOrReport(const ListService& rows, const PrinterFactory& makePrinter,
                          MessageService& messages);

} // namespace pellucors
