#include "TableFit.h"

#include "core/Graphemes.h"
#include "platform/PrinterService.h"

#include <algorithm>
#include <cmath>

namespace pellucors {

PrintedLine RowLine(const std::string& row, double points, const PrinterService& printer) {
    if (IsAscii(row))
        return {{row, kIndentCells}};
    const double cell = printer.TextWidth(" ", points);
    const double drawn = printer.TextWidth(row.substr(0, DesignationEnd(row)), points) / cell;
    std::vector<GridText> texts = RowOnGrid(row, static_cast<std::size_t>(std::ceil(drawn - 1e-6)));
    for (GridText& text : texts)
        text.cell += kIndentCells;
    return texts;
}

namespace {

double LineWidth(const PrintedLine& line, double points, const PrinterService& printer) {
    double width = 0.0;
    for (const GridText& text : line)
        width = std::max(width, printer.TextWidth(std::string(text.cell, ' ') + text.text, points));
    return width;
}

double WidestRow(const std::vector<std::string>& rows, double points,
                 const PrinterService& printer) {
    double widest = 0.0;
    for (const std::string& row : rows)
        widest = std::max(widest, LineWidth(RowLine(row, points, printer), points, printer));
    return widest;
}
} // namespace

TableType TableTypeForWidth(const std::vector<std::string>& rows, const PrinterService& printer) {
    const double room = printer.PrintableWidth();
    // Down a step at a time: a face's advances need not grow in proportion to
    // its size.
    double points = kTablePoints;
    bool everyRowFits = WidestRow(rows, points, printer) <= room;
    while (!everyRowFits && points > kSmallestTablePoints) {
        points -= kTablePointsStep;
        everyRowFits = WidestRow(rows, points, printer) <= room;
    }
    return {points, everyRowFits};
}

int LinesInHeight(double height, double lineHeight) {
    if (!(lineHeight > 0.0))
        return 0;
    // A line that fills the page exactly fits, whatever the rounding of the
    // sum: a millionth of a line is no ink on paper.
    const double lines = std::floor(height / lineHeight + 1e-6);
    return lines >= 1.0 ? static_cast<int>(std::min(lines, 1e9)) : 0;
}

TableType TableTypeForPage(const std::vector<std::string>& rows, double above,
                           const PrinterService& printer) {
    const TableType type = TableTypeForWidth(rows, printer);
    if (!type.everyRowFits)
        return type; // no smaller size: the rows continue on the pages after
    const double room = printer.PrintableHeight() - above;
    const auto lines = static_cast<int>(rows.size()) + 1; // and the empty line
    double points = type.points;
    while (points > kSmallestTablePoints && LinesInHeight(room, printer.LineHeight(points)) < lines)
        points -= kTablePointsStep;
    return {points, true};
}

std::vector<PrintedLine> RowLines(const std::string& row, double points,
                                  const PrinterService& printer) {
    const double room = printer.PrintableWidth();
    const PrintedLine whole = RowLine(row, points, printer);
    if (LineWidth(whole, points, printer) <= room)
        return {whole};

    // Each grapheme of the line with the text it belongs to and its cell.
    struct Placed {
        std::size_t text;
        std::size_t cell;
        Grapheme grapheme;
    };
    std::vector<Placed> placed;
    for (std::size_t text = 0; text < whole.size(); ++text) {
        std::size_t cell = whole[text].cell;
        for (const Grapheme& grapheme : Graphemes(whole[text].text)) {
            placed.push_back({text, cell, grapheme});
            cell += grapheme.cells;
        }
    }
    // The line of `count` graphemes from `first`: the first line where the
    // row stands, the others moved to start under its second column.
    const auto lineOf = [&](std::size_t first, std::size_t count) {
        PrintedLine line;
        for (std::size_t i = first; i < first + count; ++i) {
            const Placed& p = placed[i];
            const std::string_view text(whole[p.text].text);
            const std::string_view piece =
                text.substr(p.grapheme.start, p.grapheme.end - p.grapheme.start);
            if (i > first && placed[i - 1].text == p.text) {
                line.back().text += piece;
                continue;
            }
            const std::size_t cell =
                first == 0 ? p.cell : p.cell - placed[first].cell + kContinuationCells;
            line.push_back({std::string(piece), cell});
        }
        return line;
    };
    std::vector<PrintedLine> lines;
    std::size_t first = 0; // the next line's first grapheme
    const auto fits = [&](std::size_t count) {
        return LineWidth(lineOf(first, count), points, printer) <= room;
    };
    while (first < placed.size()) {
        const std::size_t left = placed.size() - first;
        // Grow by doubling, then halve the gap: a very long row costs a few
        // measurements of about one line each, not one of the whole row.
        std::size_t good = 1; // a line holds at least one grapheme
        std::size_t bad = good;
        while (bad < left) {
            bad = std::min(left, bad * 2);
            if (!fits(bad))
                break;
            good = bad;
        }
        if (good < bad) {
            while (bad - good > 1) {
                const std::size_t middle = good + (bad - good) / 2;
                (fits(middle) ? good : bad) = middle;
            }
        }
        lines.push_back(lineOf(first, good));
        first += good;
    }
    return lines;
}

} // namespace pellucors
