#!/usr/bin/env bash
# Every .exe and .dll of the Windows program folder, Qt's and the mingw
# runtime's as well as the program, asks Windows for ASLR with high entropy
# (DYNAMIC_BASE, HIGH_ENTROPY_VA) and for DEP (NX_COMPAT): what an office's IT
# checks of each file it deploys.
# Usage: pe_flags.sh PROGRAM-FOLDER (scripts/windows.sh writes it)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
folder=${1:?usage: pe_flags.sh PROGRAM-FOLDER}
# shellcheck source=../shell/helpers.sh
source "$(dirname "$0")/../shell/helpers.sh"
require_tools x86_64-w64-mingw32-objdump
mapfile -t files < <(find "$folder" -name '*.exe' -o -name '*.dll' | LC_ALL=C sort)
[[ ${files[*]} == *pellucors.exe* ]] || fail "no pellucors.exe in $folder (scripts/windows.sh writes it)"
for file in "${files[@]}"; do
    flags=$(x86_64-w64-mingw32-objdump -p "$file" | sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p')
    for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        grep -qw "$flag" <<<"$flags" || fail "${file#"$folder"/} lacks $flag"
    done
done
echo "PASS: ${#files[@]} program files, each with DYNAMIC_BASE, HIGH_ENTROPY_VA and NX_COMPAT"
