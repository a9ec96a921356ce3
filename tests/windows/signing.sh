#!/usr/bin/env bash
# Signing a release with a throwaway code-signing certificate made here:
# windows-package.sh packs the build signed, and every .exe and .dll of the
# program folder, the setup program and the MSI verify against that
# certificate (osslsigncode verify), as does the uninstaller that the signed
# setup program installs under wine; SHA256SUMS holds the signed packages'
# sums; and the password is neither in the log nor on any command line that
# ps shows while osslsigncode signs.
# Usage: signing.sh BUILD-DIR (the wine variables from the caller)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
build=${1:?usage: signing.sh BUILD-DIR}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../shell/helpers.sh
source "$here/../shell/helpers.sh"
# shellcheck source=installed.sh
source "$here/installed.sh"
require_tools openssl osslsigncode wine wineserver
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export PELLUCORS_SIGN_PASSWORD="throwaway $RANDOM$RANDOM" PELLUCORS_SIGN_PFX=$work/signer.pfx
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Pellucors test signer" \
    -addext keyUsage=critical,digitalSignature -addext extendedKeyUsage=codeSigning \
    -keyout "$work/key.pem" -out "$work/signer.pem" 2>"$work/openssl.log" || fail "openssl: $(cat "$work/openssl.log")"
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/signer.pem" \
    -passout env:PELLUCORS_SIGN_PASSWORD -out "$PELLUCORS_SIGN_PFX"

# osslsigncode, as the packing runs it, notes what ps shows at that moment.
mkdir "$work/bin"
cat >"$work/bin/osslsigncode" <<EOF
#!/bin/sh
ps -eww -o args= >>"$work/ps.log"
exec "$(command -v osslsigncode)" "\$@"
EOF
chmod +x "$work/bin/osslsigncode"
PATH=$work/bin:$PATH bash "$here/../../scripts/windows-package.sh" "$build" "$work/out" >"$work/pack.log" 2>&1 ||
    fail "packing signed: $(cat "$work/pack.log")"
[[ -s $work/ps.log ]] || fail "nothing was signed"
[[ $(cat "$work/ps.log" "$work/pack.log") != *"$PELLUCORS_SIGN_PASSWORD"* ]] ||
    fail "the password was on a command line or in the log"
(cd "$work/out" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS are not the signed packages' sums"

# The uninstaller is written by the setup program as it installs.
# shellcheck source=/dev/null # the package facts, written by the configure step
source "$build/package-facts.sh"
setup=$work/out/$PELLUCORS_PACKAGE-setup.exe
wine "$(winepath -w "$setup")" /S || fail "the signed installer ended with status $?"
wineserver -w
mapfile -t files < <(find "$work/out/$PELLUCORS_PACKAGE" -name '*.exe' -o -name '*.dll')
for file in "${files[@]}" "$setup" "$work/out/$PELLUCORS_PACKAGE.msi" "$folder/uninstall.exe"; do
    osslsigncode verify -CAfile "$work/signer.pem" -in "$file" >"$work/verify.log" 2>&1 ||
        fail "$file is not signed by the certificate: $(cat "$work/verify.log")"
done
wine 'C:\Program Files\Pellucors\uninstall.exe' /S
wineserver -w
echo "PASS: ${#files[@]} program files, the setup program, its uninstaller and the MSI signed and verified; the password seen nowhere"
