#!/usr/bin/env bash
# Wait until the private spooler under DIR has written N job files to DIR/jobs
# and holds no unfinished job; after TIMEOUT_SECONDS (default 30) fail and show
# the scheduler's error log.
# Usage: tests/print/cups/wait-for-jobs.sh DIR N [TIMEOUT_SECONDS]
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

# shellcheck source=../../shell/helpers.sh
source "$(dirname "$0")/../../shell/helpers.sh"
[[ $# -ge 2 && $# -le 3 && $2 =~ ^[0-9]+$ && ${3:-30} =~ ^[0-9]+$ ]] ||
    fail "usage: $0 DIR N [TIMEOUT_SECONDS]"
dir=$1 want=$2 timeout=${3:-30}
export CUPS_SERVER=$dir/cups.sock

printed() {
    # The backend renames a file to job-*.pdf only once it is fully written.
    have=$(find "$dir/jobs" -maxdepth 1 -name 'job-*.pdf' 2>/dev/null | wc -l)
    # lpstat -o lists jobs not yet completed; if it fails, the scheduler is gone.
    pending=$(lpstat -o 2>&1) || pending="lpstat failed: $pending"
    ((have >= want)) && [[ -z $pending ]]
}
if ! wait_for $((timeout * 10)) printed; then
    [[ -z $pending ]] || echo "unfinished: $pending" >&2
    # LogLevel is debug: keep warnings, errors and what happened to each job.
    grep -E '^[^D] |\[Job [0-9]+\]' "$dir/log/error_log" | tail -n 40 >&2 || true
    fail "$have of $want job files in $dir/jobs after ${timeout}s"
fi
