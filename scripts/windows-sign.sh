#!/usr/bin/env bash
# Signs Windows files in place with Authenticode (SHA-256, Debian's
# osslsigncode): with the certificate and key of the PKCS#12 file
# PELLUCORS_SIGN_PFX, whose password is PELLUCORS_SIGN_PASSWORD, and, where
# PELLUCORS_SIGN_TIMESTAMP_URL is set, an RFC 3161 time stamp from that server,
# so that the signature outlives the certificate. The password reaches
# osslsigncode in a file that only this user can read, never on a command line.
# Usage: windows-sign.sh FILE...  (windows-package.sh runs it, and makensis on
# the uninstaller and the setup program as it writes them)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
# shellcheck source=../tests/shell/helpers.sh
source "$(dirname "$0")/../tests/shell/helpers.sh"
[[ -f ${PELLUCORS_SIGN_PFX:-} && -n ${PELLUCORS_SIGN_PASSWORD:-} ]] ||
    fail "signing needs PELLUCORS_SIGN_PFX (a PKCS#12 file) and PELLUCORS_SIGN_PASSWORD"
require_tools osslsigncode
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s' "$PELLUCORS_SIGN_PASSWORD" >"$work/password"
options=(-pkcs12 "$PELLUCORS_SIGN_PFX" -readpass "$work/password" -h sha256 -n Pellucors)
[[ -z ${PELLUCORS_SIGN_TIMESTAMP_URL:-} ]] || options+=(-ts "$PELLUCORS_SIGN_TIMESTAMP_URL")
for file in "$@"; do
    osslsigncode sign "${options[@]}" -in "$file" -out "$work/signed" >"$work/log" 2>&1 ||
        fail "could not sign $file: $(cat "$work/log")"
    # Into the file itself, which keeps its mode.
    cat "$work/signed" >"$file"
    rm "$work/signed"
done
