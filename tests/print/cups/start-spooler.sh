#!/usr/bin/env bash
# Start a private, throw-away CUPS scheduler whose every file lives under DIR.
# It listens only on the Unix socket DIR/cups.sock (no TCP port), so it neither
# needs nor disturbs a system cupsd. Usage, as root:
#   eval "$(tests/print/cups/start-spooler.sh DIR [--no-printer | --driver PAPER | --raw MEDIA])"
# Without --no-printer it adds the queue "pellucors-test" as the default
# destination: a raw queue (with --raw, whose media default is MEDIA), or with
# --driver one with cups-filters' generic PDF printer driver, whose default
# paper is PAPER (A4, Letter) and whose printable area has margins. Each job's data lands in DIR/jobs/job-<id>.pdf.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../shell/helpers.sh
source "$here/../../shell/helpers.sh"
[[ $# -eq 1 || ($# -eq 2 && $2 == --no-printer) || ($# -eq 3 && $2 == --driver) ||
    ($# -eq 3 && $2 == --raw) ]] ||
    fail "usage: $0 DIR [--no-printer | --driver PAPER | --raw MEDIA]"
driver_ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
if [[ $# -eq 3 && $2 == --driver ]]; then
    [[ -r $driver_ppd ]] || fail "no $driver_ppd (Debian package cups-filters)"
    grep -q "^\*PageSize $3/" "$driver_ppd" || fail "the driver has no paper $3"
fi
[[ $(id -u) -eq 0 ]] || fail "run as root (cupsd drops to user lp)"

mkdir -p "$1"
dir=$(cd "$1" && pwd -P)
sock=$dir/cups.sock
# cupsd.conf values end at white space.
[[ $dir != *[[:space:]]* ]] || fail "DIR must not contain white space"
# A Unix socket path must fit in sun_path (108 bytes with the NUL).
((${#sock} < 108)) || fail "socket path too long: $sock"

# Idempotent: stop a scheduler left from an earlier run on DIR, then rebuild.
"$here/stop-spooler.sh" "$dir"
rm -rf "${dir:?}"/{conf,spool,cache,state,log,bin,jobs} "$dir"/cups{d,-files}.conf

mkdir -p "$dir"/{conf,spool,cache,state,log,bin/backend}
# Backends run as lp, so lp must reach DIR (mktemp -d makes it 0700) and write jobs/.
chmod 0755 "$dir"
install -d -o lp -g lp -m 0755 "$dir/jobs"
runuser -u lp -- test -w "$dir/jobs" ||
    fail "user lp cannot write $dir/jobs (a parent folder closed to others?)"

# ServerBin: the system's helpers (cups-exec, filters, ...) plus our backend.
for d in /usr/lib/cups/*; do [[ $d == */backend ]] || ln -s "$d" "$dir/bin/"; done
ln -s /usr/lib/cups/backend/* "$dir/bin/backend/"
# The jobs folder is baked in: cupsd gives backends a scrubbed environment.
cat >"$dir/bin/backend/capture" <<BACKEND
#!/bin/bash
# CUPS backend: copy each job's data to $dir/jobs/job-<id>.pdf.
set -euo pipefail
jobs=$(printf %q "$dir/jobs")
# Without arguments cupsd asks which devices this backend offers.
[[ \$# -eq 0 ]] && { echo 'direct capture "Unknown" "Pellucors test capture"'; exit 0; }
umask 022  # cupsd hands backends umask 077; let non-root tools read the files
part=\$jobs/.job-\$1.part
if [[ \$# -ge 6 ]]; then cat -- "\$6" >"\$part"; else cat >"\$part"; fi
# Rename last, so that a job-*.pdf file is always complete.
mv -f -- "\$part" "\$jobs/job-\$1.pdf"
BACKEND
# 0755 and root-owned: cupsd refuses writable backends, and runs 0700 ones as root.
chmod 0755 "$dir/bin/backend/capture"

# Files and users belong in cups-files.conf; cupsd.conf refuses these directives.
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/bin
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
FileDevice No
# The default would overwrite a system cupsd's /run/cups/printcap.
Printcap $dir/conf/printcap
CONF
cat >"$dir/cupsd.conf" <<CONF
Listen $sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel debug
MaxLogSize 0
# A failing backend aborts its job instead of stopping the queue for good.
ErrorPolicy abort-job
# cupsd accepts peer-credential (PeerCred) logins only inside a Location.
<Location />
  Order deny,allow
</Location>
<Policy default>
  # Only root (known through the socket's peer credentials) may administer.
  <Limit CUPS-Add-Modify-Printer CUPS-Delete-Printer CUPS-Add-Modify-Class CUPS-Delete-Class CUPS-Set-Default Pause-Printer Resume-Printer CUPS-Accept-Jobs CUPS-Reject-Jobs>
    AuthType Default
    Require user @SYSTEM
    Order deny,allow
  </Limit>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

# AppArmor confines /usr/sbin/cupsd by path and would forbid our ServerBin;
# a copy elsewhere runs unconfined. (Without AppArmor, the system binary.)
cupsd=/usr/sbin/cupsd
if [[ $(cat /sys/module/apparmor/parameters/enabled 2>/dev/null) == Y ]]; then
    cp /usr/sbin/cupsd "$dir/bin/cupsd"
    cupsd=$dir/bin/cupsd
fi
# Foreground (-f) so that $! is cupsd itself; setsid keeps it out of the
# caller's process group and terminal.
setsid "$cupsd" -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" \
    </dev/null >>"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"
# From here on, any failure must not leave cupsd running.
trap '"$here/stop-spooler.sh" "$dir"' EXIT

export CUPS_SERVER=$sock
# libcups looks for its root certificate under CUPS_STATEDIR; point it at ours,
# not at a system cupsd's /run/cups.
export CUPS_STATEDIR=$dir/state
running() { [[ $(lpstat -r 2>/dev/null) == 'scheduler is running' ]]; }
wait_for 100 running ||
    fail "cupsd did not come up; logs: $(tail -n 30 "$dir/log/cupsd.out" "$dir/log/error_log" 2>&1)"

if [[ $# -eq 1 ]]; then
    # No PPD = raw queue: the job's bytes reach the backend unfiltered. Same as
    # "-m raw", without that option's deprecation warning on CUPS 2.4.
    lpadmin -p pellucors-test -E -v capture:/ -o printer-is-shared=false
elif [[ $2 == --raw ]]; then
    lpadmin -p pellucors-test -E -v capture:/ -o printer-is-shared=false -o "media-default=$3"
elif [[ $2 == --driver ]]; then
    # The job goes through cups-filters' pdftopdf to the backend, as on an
    # office printer. CUPS 2.4 warns that drivers are deprecated; they still work.
    lpadmin -p pellucors-test -E -v capture:/ -o printer-is-shared=false \
        -P "$driver_ppd" -o "PageSize=$3" 2>&1 | { grep -v 'drivers are deprecated' || true; } >&2
fi
if [[ $# -ne 2 ]]; then
    # Server-wide default; "lpoptions -d" as root would write /etc/cups/lpoptions.
    lpadmin -d pellucors-test
fi

trap - EXIT
printf 'export CUPS_SERVER=%q\n' "$sock"
