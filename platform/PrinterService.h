#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace pellucors {

// One piece of a printed line: move to a column (1 = left edge of the
// printable area), skip a number of spaces, or print text.
struct PrintItem {
    enum class Kind { Column, Spaces, Text };
    Kind kind;
    int count = 0;
    std::string text;

    static PrintItem Column(int column) { return {Kind::Column, column, {}}; }
    static PrintItem Spaces(int spaces) { return {Kind::Spaces, spaces, {}}; }
    static PrintItem Text(std::string text) { return {Kind::Text, 0, std::move(text)}; }
};

// The printer could not take or finish the document; what() is the reason.
class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One print document on the default printer. The document is opened by the
// first line and released to the printer by EndDocument. Lines go down the
// page as they come; where pages break is the caller's decision. Any call that
// prints may throw PrinterError; the measurements do not print and do not
// throw.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    // How wide a line may be: the printable width of the printer's paper, in
    // the printer's own units (those of TextWidth).
    virtual double PrintableWidth() const = 0;
    // How high the lines of a page may reach, in the same units: the printable
    // height of the paper.
    virtual double PrintableHeight() const = 0;
    // How wide `text` (UTF-8) prints in the current font family at `points`,
    // from the printer font's real metrics, in the units of PrintableWidth.
    virtual double TextWidth(const std::string& text, double points) const = 0;
    // How high a line of the current font family at `points` is: the font's
    // own line spacing, in the units of PrintableHeight.
    virtual double LineHeight(double points) const = 0;
    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontSize(double points) = 0;
    // Ends with a line break; the line is as high as the current font.
    virtual void PrintLine(const std::vector<PrintItem>& items) = 0;
    virtual void PrintEmptyLine() = 0;
    // Ends the page: the next line starts at the top of a new one.
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
};

} // namespace pellucors
