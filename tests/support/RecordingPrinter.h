#pragma once

#include "core/Graphemes.h"
#include "platform/PrinterService.h"

#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace pellucors::test {

// The printable area of A4 paper on a printer with a driver (18 pt margins
// all round), in points.
constexpr double kA4DriverWidth = 595.28 - 2 * 18;
constexpr double kA4DriverHeight = 841.89 - 2 * 18;
// Courier's advance: 0.6 em a character, so 12 pt a character at 20 pt;
// below that, a little wider than in proportion (0.005 pt a character for
// each point less), as hinting rounds a real face's advances.
constexpr double kCourierAdvance = 0.6;
constexpr double CellWidth(double points) {
    return kCourierAdvance * points + 0.005 * (20 - points);
}
// Courier's line spacing, about that of Debian's Courier (Nimbus Mono PS).
constexpr double kCourierLineSpacing = 1.25;

// A printer that writes each call as one line of text into `journal`, e.g.
// "font Courier", "size 22", "size 18.5", "empty", "line |col 12|Larkmoor| |...",
// "page", "end". Its paper is `printableWidth` by `printableHeight` points
// and its font fixed-pitch: each cell of a text (a character, two for a
// wide one; not a byte) is CellWidth wide, each line 1.25 em high. Hebrew
// letters come from a wider fallback face: a cell and a half each. Measuring is not recorded.
// `failAt` makes the n-th recorded call (0-based) throw a PrinterError.
class RecordingPrinter final : public PrinterService {
public:
    explicit RecordingPrinter(std::vector<std::string>& journal, int failAt = -1,
                              double printableWidth = kA4DriverWidth,
                              double printableHeight = kA4DriverHeight)
        : m_journal(journal), m_failAt(failAt), m_printableWidth(printableWidth),
          m_printableHeight(printableHeight) {}

    double PrintableWidth() const override { return m_printableWidth; }
    double PrintableHeight() const override { return m_printableHeight; }
    double LineHeight(double points) const override { return kCourierLineSpacing * points; }
    double TextWidth(const std::string& text, double points) const override {
        double cells = 0;
        for (const Grapheme& grapheme : Graphemes(text)) {
            const bool hebrew = text.compare(grapheme.start, 1, "\xD7") == 0;
            cells += hebrew ? 1.5 : static_cast<double>(grapheme.cells);
        }
        return cells * CellWidth(points);
    }
    void SetFontName(const std::string& name) override { Record("font " + name); }
    void SetFontSize(double points) override {
        std::ostringstream text; // "20", "18.5": shortest form, any locale
        text.imbue(std::locale::classic());
        text << points;
        Record("size " + text.str());
    }
    void PrintLine(const std::vector<PrintItem>& items) override {
        std::string line = "line ";
        for (const PrintItem& item : items) {
            switch (item.kind) {
            case PrintItem::Kind::Column:
                line += "|col " + std::to_string(item.count);
                break;
            case PrintItem::Kind::Spaces:
                line += "|sp " + std::to_string(item.count);
                break;
            case PrintItem::Kind::Text:
                line += "|" + item.text;
                break;
            }
        }
        Record(line);
    }
    void PrintEmptyLine() override { Record("empty"); }
    void NewPage() override { Record("page"); }
    void EndDocument() override { Record("end"); }

private:
    void Record(const std::string& entry) {
        if (m_calls++ == m_failAt)
            throw PrinterError("The printer \"Test\" could not finish the document.");
        m_journal.push_back(entry);
    }

    std::vector<std::string>& m_journal;
    int m_failAt;
    double m_printableWidth;
    double m_printableHeight;
    int m_calls = 0;
};

} // namespace pellucors::test
