#!/usr/bin/env bash
# Prints the GPS Data list through the program's real print path into a
# private CUPS scheduler and checks the captured documents: on a raw queue and
# on driver queues whose default paper is A4 and Letter, every row is printed
# whole, on the printer's own paper. Then checks the printer-error message for
# a queue that refuses the job, for a system without any printer and for a
# stopped print server.
# Usage, as root: tests/print/cups/print-end-to-end.sh PRINT_DRIVER
# Exits 77 (skipped) when not root or when cups/poppler-utils are missing.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

driver=${1:?usage: print-end-to-end.sh PRINT_DRIVER}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../shell/helpers.sh
source "$here/../../shell/helpers.sh"
# shellcheck source=documents.sh
source "$here/documents.sh"

skip() {
    echo "SKIP: $*"
    exit 77
}
[[ $(id -u) -eq 0 ]] || skip "the private CUPS scheduler needs root"
[[ -x /usr/sbin/cupsd ]] || skip "cupsd is not installed (Debian package cups)"
for tool in lpadmin lpstat cupsreject pdftotext pdfinfo; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (Debian packages cups, poppler-utils)"
done
[[ -r /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd ]] ||
    skip "no generic PDF printer driver (Debian package cups-filters)"

# Short and reachable by user lp: the socket path must fit in sun_path, and
# the backend (running as lp) writes below it.
work=$(mktemp -d /tmp/pellucors-print.XXXXXX)
chmod 0755 "$work"
cleanup() {
    for spooler in printer A4 Letter raw-letter no-printer; do
        "$here/stop-spooler.sh" "$work/$spooler" || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Runs the driver with the spooler of DIR; stdout goes to OUT.
run_driver() {
    local dir=$1 out=$2
    shift 2
    CUPS_SERVER=$dir/cups.sock CUPS_STATEDIR=$dir/state QT_QPA_PLATFORM=offscreen \
        timeout 120 "$driver" "$@" </dev/null >"$out" || fail "print_driver $* failed: $(cat "$out")"
}

expected_message() {
    printf 'message\tPellucors - Printer error!\tThe GPS data could not be printed.\\r\\n%s\n' "$1"
}

count_jobs() { find "$1/jobs" -maxdepth 1 -name 'job-*' | wc -l; }

# The widest row the log's number forms make (48 characters) and a long
# designation: too wide for 20 pt type on A4 and on Letter with margins.
wide_rows=(--enter X 12345678 1000000 --enter NORTH-RIDGE-LINE-0042 12.5 5)

# --- A default printer: the heading and 30 entries, from the button and from File > Print.
eval "$("$here/start-spooler.sh" "$work/printer")"
run_driver "$work/printer" "$work/printed.out" 30 button menu
"$here/wait-for-jobs.sh" "$work/printer" 2 60

no_printer_error "$work/printed.out"
[[ $(grep -c $'^printed\t' "$work/printed.out") -eq 2 ]] || fail "not both print commands ran"

expected_lines "$work/printed.out" "$work/expected.txt"
[[ $(sed -n 2p "$work/expected.txt") == "Line Length No GPS K/SM/NM Spacing Max Dist" ]] ||
    fail "the list does not start with its heading row"
[[ $(wc -l <"$work/expected.txt") -eq 32 ]] || fail "the list does not hold the heading and 30 rows"

# job-1 came from the Print button, job-2 from File > Print. The raw queue
# names no paper: the locale's (C), A4, a quarter inch in from every edge.
for job in "$work/printer/jobs/job-1.pdf" "$work/printer/jobs/job-2.pdf"; do
    check_document "$job" "$work/expected.txt" A4
    check_margin "$job" 18
    # The log holds what fits one sheet.
    (($(pages "$job") == 1)) || fail "$job: heading and 30 rows on $(pages "$job") pages"
done

# A raw queue whose own paper is Letter prints on Letter, not on A4, where
# the last rows would have been lost below the sheet.
eval "$("$here/start-spooler.sh" "$work/raw-letter" --raw na_letter_8.5x11in)"
run_driver "$work/raw-letter" "$work/raw-letter.out" 30 button
"$here/wait-for-jobs.sh" "$work/raw-letter" 1 60
no_printer_error "$work/raw-letter.out"
check_document "$work/raw-letter/jobs/job-1.pdf" "$work/expected.txt" letter
check_margin "$work/raw-letter/jobs/job-1.pdf" 18
(($(pages "$work/raw-letter/jobs/job-1.pdf") == 1)) || fail "the full log on a raw Letter queue is not on one sheet"

# --- Rows too wide for 20 pt type, in a full log, on the raw queue and on
# driver queues with A4 and Letter paper: every row whole, on the printer's
# own default paper.
run_driver "$work/printer" "$work/wide.out" "${wide_rows[@]}" 28 button
"$here/wait-for-jobs.sh" "$work/printer" 3 60
no_printer_error "$work/wide.out"
expected_lines "$work/wide.out" "$work/expected-wide.txt"
[[ $(wc -l <"$work/expected-wide.txt") -eq 32 ]] || fail "the wide log does not hold 30 rows"
grep -qxF "X 1.234568E+07 2 K 6172839 9999980" "$work/expected-wide.txt" ||
    fail "the worked row was not logged as expected"
check_document "$work/printer/jobs/job-3.pdf" "$work/expected-wide.txt" A4
check_margin "$work/printer/jobs/job-3.pdf" 18
for paper in A4 Letter; do
    eval "$("$here/start-spooler.sh" "$work/$paper" --driver "$paper")"
    run_driver "$work/$paper" "$work/$paper.out" "${wide_rows[@]}" 28 button
    "$here/wait-for-jobs.sh" "$work/$paper" 1 60
    no_printer_error "$work/$paper.out"
    check_document "$work/$paper/jobs/job-1.pdf" "$work/expected-wide.txt" "${paper/Letter/letter}"
    (($(pages "$work/$paper/jobs/job-1.pdf") == 1)) || fail "the full $paper log is not on one sheet"
done
export CUPS_SERVER=$work/printer/cups.sock

# --- The queue refuses jobs: the program must not report a printed document.
CUPS_SERVER=$work/printer/cups.sock cupsreject -r "closed for the test" pellucors-test
run_driver "$work/printer" "$work/refused.out" 1 button
expected_message 'Destination "pellucors-test" is not accepting jobs.' >"$work/expected.txt"
diff -u "$work/expected.txt" <(grep $'^message\t' "$work/refused.out") ||
    fail "a refused job did not show exactly one printer-error message"
[[ $(count_jobs "$work/printer") -eq 3 ]] || fail "a refused job was printed"

# --- No printer at all: one message per print command, nothing sent.
eval "$("$here/start-spooler.sh" "$work/no-printer" --no-printer)"
run_driver "$work/no-printer" "$work/none.out" 1 button menu
{
    expected_message "No default printer is installed."
    expected_message "No default printer is installed."
} >"$work/expected.txt"
diff -u "$work/expected.txt" <(grep $'^message\t' "$work/none.out") ||
    fail "printing without a printer did not show one printer-error message per command"
[[ $(count_jobs "$work/no-printer") -eq 0 ]] || fail "a document was sent without a printer"

# --- The scheduler stopped, its default queue still set up: the message names
# the print server, not a missing printer.
"$here/stop-spooler.sh" "$work/printer"
run_driver "$work/printer" "$work/stopped.out" 1 button
expected_message "The print server (CUPS) cannot be reached." >"$work/expected.txt"
diff -u "$work/expected.txt" <(grep $'^message\t' "$work/stopped.out") ||
    fail "printing with the scheduler stopped did not name the print server"

echo "PASS: printed through CUPS on raw (A4, Letter), A4 and Letter queues; refused and missing printers and a stopped print server reported"
