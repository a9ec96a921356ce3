#pragma once

#include "platform/PrinterService.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;

namespace pellucors {

// One print document on a QPrinter: the system's default printer (through
// CUPS on Linux, the print spooler on Windows), on its own default paper and
// printable area (a queue without a driver: its paper in CUPS, a quarter
// inch in), or a PDF file; text as DrawableText. Columns are counted in the current font's
// character width and lines are as high as its line spacing. Sizes are in
// device pixels.
class QtPrinterService final : public PrinterService {
public:
    // A quarter inch: most desktop printers cannot print nearer the edge.
    static constexpr double kRawMarginPoints = 18.0;

    // Throws PrinterError when no default printer is installed, or when the
    // print server that would list it cannot be reached.
    static std::unique_ptr<QtPrinterService> ForDefaultPrinter();
    static std::unique_ptr<QtPrinterService> ForPdfFile(const QString& path);

    explicit QtPrinterService(std::unique_ptr<QPrinter> printer);
    ~QtPrinterService() override; // abandons a document that was not ended

    double PrintableWidth() const override;
    double PrintableHeight() const override;
    double TextWidth(const std::string& text, double points) const override;
    double LineHeight(double points) const override;
    void SetFontName(const std::string& name) override;
    void SetFontSize(double points) override;
    void PrintLine(const std::vector<PrintItem>& items) override;
    void PrintEmptyLine() override;
    void NewPage() override;
    void EndDocument() override;

private:
    void OpenDocumentIfNeeded();
    // Top of the next line of the current font.
    double StartLine();

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QString m_fontName = QStringLiteral("Courier");
    double m_fontPoints = 12.0;
    double m_nextLineTop = 0.0;
    bool m_open = false;
};

} // namespace pellucors
