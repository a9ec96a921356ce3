#pragma once

#include <functional>
#include <memory>

namespace pellucors {

class ListService;
class MessageService;
class PrinterService;

// Prints the GPS Data list as one document: the company heading in 22 pt
// Courier, then every row of `rows` (the heading row first) indented by three
// spaces in 20 pt Courier, or smaller where a row would not fit the paper's
// width (see TableFit.h). Throws PrinterError when the printer fails.
void PrintGpsData(const ListService& rows, PrinterService& printer);

// A fresh print document on each call (the default printer in the program).
using PrinterFactory = std::function<std::unique_ptr<PrinterService>()>;

// PrintGpsData on a new document; a printer failure is shown to the user as
// one message and nothing else changes. Returns whether the document was
// printed.
bool PrintGpsDataOrReport(const ListService& rows, const PrinterFactory& makePrinter,
                          MessageService& messages);

} // namespace pellucors
