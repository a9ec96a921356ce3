#include "QtPrinterService.h"

#include "DrawableText.h"
#include "FixedPitchFont.h"
#include "PrintSpooler.h"
#include "QueuePaper.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace pellucors {

namespace {
// "The printer "Office" could not <what>." - the reason shown to the user.
PrinterError PrinterFailure(const QPrinter& printer, const std::string& what) {
    const QString name = printer.printerName();
    return PrinterError("The printer " +
                        (name.isEmpty() ? std::string() : '"' + name.toStdString() + "\" ") +
                        "could not " + what + ".");
}
} // namespace

std::unique_ptr<QtPrinterService> QtPrinterService::ForDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrinterError(UnreachablePrintServer().value_or("No default printer is installed."));
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Qt 6.4 starts every printer on A4, whatever paper it has loaded; setting
    // the printer's own default also takes its printable area for that paper.
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid()) {
        printer->setPageSize(paper);
    } else {
        // A queue without a driver (a raw queue) tells Qt neither its paper
        // nor what the printer cannot reach: the paper the spooler keeps for
        // it, and a margin that every desktop printer prints.
        const QPageSize queuePaper = PaperFromMedia(
            QString::fromStdString(QueueMedia(info.printerName().toStdString()).value_or("")));
        printer->setPageSize(queuePaper.isValid() ? queuePaper : LocalePaper());
        printer->setPageMargins(
            QMarginsF(kRawMarginPoints, kRawMarginPoints, kRawMarginPoints, kRawMarginPoints),
            QPageLayout::Point);
    }
    return std::make_unique<QtPrinterService>(std::move(printer));
}

std::unique_ptr<QtPrinterService> QtPrinterService::ForPdfFile(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return std::make_unique<QtPrinterService>(std::move(printer));
}

QtPrinterService::QtPrinterService(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer)) {
    m_printer->setDocName(QStringLiteral("Pellucors GPS Data"));
}

QtPrinterService::~QtPrinterService() {
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
}

double QtPrinterService::PrintableWidth() const {
    return m_printer->pageRect(QPrinter::DevicePixel).width();
}

double QtPrinterService::PrintableHeight() const {
    return m_printer->pageRect(QPrinter::DevicePixel).height();
}

double QtPrinterService::TextWidth(const std::string& text, double points) const {
    const QFont font = FixedPitchFont(m_fontName, points);
    const QFontMetricsF metrics(font, m_printer.get());
    return metrics.horizontalAdvance(DrawableText(QString::fromStdString(text), font));
}

double QtPrinterService::LineHeight(double points) const {
    return QFontMetricsF(FixedPitchFont(m_fontName, points), m_printer.get()).lineSpacing();
}

void QtPrinterService::SetFontName(const std::string& name) {
    m_fontName = QString::fromStdString(name);
}

void QtPrinterService::SetFontSize(double points) {
    m_fontPoints = points;
}

void QtPrinterService::OpenDocumentIfNeeded() {
    if (m_open)
        return;
    if (!m_painter.begin(m_printer.get())) {
        throw PrinterFailure(*m_printer, "start the document");
    }
    m_open = true;
    m_nextLineTop = 0.0;
}

double QtPrinterService::StartLine() {
    OpenDocumentIfNeeded();
    m_painter.setFont(FixedPitchFont(m_fontName, m_fontPoints));
    const double top = m_nextLineTop;
    m_nextLineTop += LineHeight(m_fontPoints);
    return top;
}

void QtPrinterService::PrintLine(const std::vector<PrintItem>& items) {
    const double top = StartLine();
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    const double charWidth = metrics.horizontalAdvance(QLatin1Char('M'));
    const double baseline = top + metrics.ascent();
    double x = 0.0;
    for (const PrintItem& item : items) {
        switch (item.kind) {
        case PrintItem::Kind::Column:
            x = (item.count - 1) * charWidth;
            break;
        case PrintItem::Kind::Spaces:
            x += item.count * charWidth;
            break;
        case PrintItem::Kind::Text: {
            const QString text = DrawableText(QString::fromStdString(item.text), m_painter.font());
            m_painter.drawText(QPointF(x, baseline), text);
            x += metrics.horizontalAdvance(text);
            break;
        }
        }
    }
}

void QtPrinterService::PrintEmptyLine() {
    StartLine();
}

void QtPrinterService::NewPage() {
    OpenDocumentIfNeeded();
    if (!m_printer->newPage())
        throw PrinterFailure(*m_printer, "start a new page");
    m_nextLineTop = 0.0;
}

void QtPrinterService::EndDocument() {
    OpenDocumentIfNeeded();
    m_open = false;
    const SpoolerHandOver handOver;
    if (!m_painter.end() || m_printer->printerState() == QPrinter::Error) {
        throw PrinterFailure(*m_printer, "finish the document");
    }
    if (m_printer->outputFormat() == QPrinter::NativeFormat) {
        if (std::optional<std::string> refusal = handOver.Refusal())
            throw PrinterError(*refusal);
    }
}

} // namespace pellucors
