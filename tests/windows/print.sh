#!/usr/bin/env bash
# Printing from the Windows program under wine: Qt's Windows print engine hands
# the document to the Windows print spooler, which wine passes on to CUPS as
# PostScript. With a private CUPS scheduler whose queue is the default printer,
# a log holding the worked wide row prints whole: the company heading and every
# row, in order, nothing cut at the paper's edge.
# Usage, as root: print.sh PATH/TO/print_driver.exe (WINEPREFIX from the caller)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

driver=${1:?usage: print.sh PATH/TO/print_driver.exe}
here=$(cd "$(dirname "$0")" && pwd)
cups=$here/../print/cups

# shellcheck source=../shell/helpers.sh
source "$here/../shell/helpers.sh"
# shellcheck source=../print/cups/documents.sh
source "$cups/documents.sh"
[[ $(id -u) -eq 0 ]] || fail "the private CUPS scheduler needs root"
require_tools wine cupsd lpadmin ps2pdf pdftotext pdfinfo

work=$(mktemp -d /tmp/pellucors-wine-print.XXXXXX)
chmod 0755 "$work"
trap '"$cups/stop-spooler.sh" "$work/printer" || true; rm -rf "$work"' EXIT

eval "$("$cups/start-spooler.sh" "$work/printer")"
# The worked row, the widest the log's number forms make, and one more entry.
# On the real Windows platform (on the session's X display): Qt's Windows
# print engine then prints text in the printer's fonts, as on Windows.
CUPS_SERVER=$work/printer/cups.sock QT_QPA_PLATFORM=windows \
    timeout 180 bash "$here/wine-run.sh" "$driver" --enter X 12345678 1000000 1 button </dev/null |
    tr -d '\r' >"$work/printed.out" || fail "print_driver.exe failed: $(cat "$work/printed.out")"
"$cups/wait-for-jobs.sh" "$work/printer" 1 60
no_printer_error "$work/printed.out"

expected_lines "$work/printed.out" "$work/expected.txt"
grep -qxF "X 1.234568E+07 2 K 6172839 9999980" "$work/expected.txt" ||
    fail "the worked row was not logged as expected"
ps2pdf "$work/printer/jobs/job-1.pdf" "$work/job.pdf"
check_document "$work/job.pdf" "$work/expected.txt" A4

echo "PASS: printed under wine through CUPS, the worked wide row whole"
