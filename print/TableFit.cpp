#include "TableFit.h"

#include "core/Utf8.h"
#include "platform/PrinterService.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace pellucors {

namespace {
double WidestLine(const std::string& indent, const std::vector<std::string>& rows, double points,
                  const PrinterService& printer) {
    double widest = 0.0;
    for (const std::string& row : rows)
        widest = std::max(widest, printer.TextWidth(indent + row, points));
    return widest;
}
} // namespace

TableType TableTypeForWidth(const std::string& indent, const std::vector<std::string>& rows,
                            const PrinterService& printer) {
    const double room = printer.PrintableWidth();
    const double widest = WidestLine(indent, rows, kTablePoints, printer);
    if (widest <= room)
        return {kTablePoints, true};
    const auto fits = [&](double points) {
        return WidestLine(indent, rows, points, printer) <= room;
    };
    // Widths grow with the size: start from the proportional guess, then
    // step to the largest size that fits.
    double points = std::floor(kTablePoints * room / widest / kTablePointsStep) * kTablePointsStep;
    points = std::clamp(points, kSmallestTablePoints, kTablePoints - kTablePointsStep);
    while (points > kSmallestTablePoints && !fits(points))
        points -= kTablePointsStep;
    while (points + kTablePointsStep < kTablePoints && fits(points + kTablePointsStep))
        points += kTablePointsStep;
    return {points, points > kSmallestTablePoints || fits(points)};
}

int LinesInHeight(double height, double lineHeight) {
    if (!(lineHeight > 0.0))
        return 0;
    // A line that fills the page exactly fits, whatever the rounding of the
    // sum: a millionth of a line is no ink on paper.
    const double lines = std::floor(height / lineHeight + 1e-6);
    return lines >= 1.0 ? static_cast<int>(std::min(lines, 1e9)) : 0;
}

TableType TableTypeForPage(const std::string& indent, const std::vector<std::string>& rows,
                           double above, const PrinterService& printer) {
    const TableType type = TableTypeForWidth(indent, rows, printer);
    if (!type.everyRowFits)
        return type; // no smaller size: the rows continue on the pages after
    const double room = printer.PrintableHeight() - above;
    const auto lines = static_cast<int>(rows.size()) + 1; // and the empty line
    double points = type.points;
    while (points > kSmallestTablePoints && LinesInHeight(room, printer.LineHeight(points)) < lines)
        points -= kTablePointsStep;
    return {points, true};
}

std::vector<std::string> FitRowToWidth(const std::string& indent, const std::string& row,
                                       double points, const PrinterService& printer) {
    const double room = printer.PrintableWidth();
    if (printer.TextWidth(indent + row, points) <= room)
        return {row};
    const std::vector<std::size_t> starts = CharacterStarts(row);
    const std::size_t characters = starts.size() - 1;
    std::vector<std::string> pieces;
    std::size_t first = 0; // the next piece's first character
    // Whether `count` characters from `first` fit after the indent.
    const auto fits = [&](std::size_t count) {
        const std::string piece = row.substr(starts[first], starts[first + count] - starts[first]);
        return printer.TextWidth(indent + piece, points) <= room;
    };
    while (first < characters) {
        const std::size_t left = characters - first;
        // Grow by doubling, then halve the gap: a very long row costs a few
        // measurements of about one line each, not one of the whole row.
        std::size_t good = 1; // a line holds at least one character
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
        pieces.push_back(row.substr(starts[first], starts[first + good] - starts[first]));
        first += good;
    }
    return pieces;
}

} // namespace pellucors
