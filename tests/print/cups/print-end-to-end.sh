#!/usr/bin/env bash
# Prints the GPS Data list through the program's real print path into a
# private CUPS scheduler and checks the captured documents; then checks the
# printer-error message for a queue that refuses the job and for a system
# without any printer.
# Usage, as root: tests/print/cups/print-end-to-end.sh PRINT_DRIVER
# Exits 77 (skipped) when not root or when cups/poppler-utils are missing.
set -euo pipefail

[[ $# -eq 1 ]] || { echo "usage: $0 PRINT_DRIVER" >&2; exit 2; }
driver=$1
here=$(cd "$(dirname "$0")" && pwd)

skip() { echo "SKIP: $*"; exit 77; }
[[ $(id -u) -eq 0 ]] || skip "the private CUPS scheduler needs root"
[[ -x /usr/sbin/cupsd ]] || skip "cupsd is not installed (Debian package cups)"
for tool in lpadmin lpstat cupsreject pdftotext pdfinfo; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (Debian packages cups, poppler-utils)"
done

# Short and reachable by user lp: the socket path must fit in sun_path, and
# the backend (running as lp) writes below it.
work=$(mktemp -d /tmp/pellucors-print.XXXXXX)
chmod 0755 "$work"
cleanup() {
  "$here/stop-spooler.sh" "$work/printer" || true
  "$here/stop-spooler.sh" "$work/no-printer" || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs the driver with the spooler of DIR; stdout goes to OUT.
run_driver() {
  local dir=$1 out=$2
  shift 2
  CUPS_SERVER=$dir/cups.sock CUPS_STATEDIR=$dir/state QT_QPA_PLATFORM=offscreen \
    timeout 120 "$driver" "$@" </dev/null >"$out" ||
    { cat "$out" >&2; fail "print_driver $* failed"; }
}

# The document's text lines without blank lines, blanks squeezed: pdftotext
# -layout only estimates the spacing of a line, not its words or their order.
document_lines() {
  pdftotext -layout "$1" - | tr '\f' '\n' | sed -E 's/[[:space:]]+/ /g; s/^ //; s/ $//; /^$/d'
}

pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }

expected_message() {
  printf 'message\tPellucors - Printer error!\tThe GPS data could not be printed.\\r\\n%s\n' "$1"
}

count_jobs() { find "$1/jobs" -maxdepth 1 -name 'job-*' | wc -l; }

# --- A default printer: the heading and 30 entries, from the button and from File > Print.
eval "$("$here/start-spooler.sh" "$work/printer")"
run_driver "$work/printer" "$work/printed.out" 30 button menu
"$here/wait-for-jobs.sh" "$work/printer" 2 60

grep -q $'^message\tPellucors - Printer error!' "$work/printed.out" &&
  { cat "$work/printed.out" >&2; fail "printing reported a printer error"; }
[[ $(grep -c $'^printed\t' "$work/printed.out") -eq 2 ]] || fail "not both print commands ran"

{
  echo "Larkmoor Aerial Surveys"
  sed -n 's/^row\t//p' "$work/printed.out" | sed -E 's/ +/ /g; s/ $//'
} >"$work/expected.txt"
[[ $(sed -n 2p "$work/expected.txt") == "Line Length No GPS K/SM/NM Spacing Max Dist" ]] ||
  fail "the list does not start with its heading row"
[[ $(wc -l <"$work/expected.txt") -eq 32 ]] || fail "the list does not hold the heading and 30 rows"

# job-1 came from the Print button, job-2 from File > Print.
for job in "$work/printer/jobs/job-1.pdf" "$work/printer/jobs/job-2.pdf"; do
  [[ -s $job ]] || fail "no document captured as $job"
  document_lines "$job" >"$work/document.txt"
  diff -u "$work/expected.txt" "$work/document.txt" ||
    fail "$job: not the company heading, the heading row and every row, in order"
  # 32 lines of 20 pt type under the heading block do not fit on one page.
  (($(pages "$job") >= 2)) || fail "$job: heading and 30 rows on $(pages "$job") page(s)"
  # The rows continue on the last page instead of running off the first.
  last_page=$(pdftotext -layout -f "$(pages "$job")" "$job" - | sed -E 's/[[:space:]]+/ /g; s/^ //; s/ $//')
  grep -qxF -- "$(tail -n 1 "$work/expected.txt")" <<<"$last_page" ||
    fail "$job: the last row is not on the last page"
done

# --- The queue refuses jobs: the program must not report a printed document.
CUPS_SERVER=$work/printer/cups.sock cupsreject -r "closed for the test" pellucors-test
run_driver "$work/printer" "$work/refused.out" 1 button
expected_message 'Destination "pellucors-test" is not accepting jobs.' >"$work/expected.txt"
diff -u "$work/expected.txt" <(grep $'^message\t' "$work/refused.out") ||
  fail "a refused job did not show exactly one printer-error message"
[[ $(count_jobs "$work/printer") -eq 2 ]] || fail "a refused job was printed"

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

echo "PASS: printed through CUPS; refused and missing printers reported"
