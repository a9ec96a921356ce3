#!/usr/bin/env bash
# Builds Pellucors for 64-bit Windows on Debian 12 and packs it, in
# build-windows/, as a setup program, an MSI and a zip, with their SHA256SUMS
# (scripts/windows-package.sh; signed where PELLUCORS_SIGN_PFX and
# PELLUCORS_SIGN_PASSWORD say with what).
# The first run builds Qt for Windows from Debian's own source into a cache
# (scripts/cross-qt.sh); later runs reuse it and rebuild only what changed.
# Usage, as root: windows.sh [test]
#   test: also builds the test programs and runs every Windows test under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

case ${1:-build} in
build) preset=windows ;;
test) preset=windows-test ;;
*)
    echo "usage: $0 [test]" >&2
    exit 2
    ;;
esac
bash scripts/deps.sh "$preset"

# The presets take Qt for Windows from PELLUCORS_WINDOWS_QT (a prefix built
# already), by default from the cache; they build at -O2, as Qt itself is
# built: mingw's GCC 12 warns falsely (-Wrestrict) inside std::string at -O3.
PELLUCORS_WINDOWS_QT=${PELLUCORS_WINDOWS_QT:-$(bash scripts/cross-qt.sh)}
# utf8proc, which the core links, compiled in from Debian's source as well.
PELLUCORS_UTF8PROC_SOURCE=${PELLUCORS_UTF8PROC_SOURCE:-$(bash scripts/debian-source.sh libutf8proc-dev)}
export PELLUCORS_WINDOWS_QT PELLUCORS_UTF8PROC_SOURCE
if [[ $preset == windows-test ]]; then
    # The installer test reads its screenshots with the Linux build's tools,
    # and prints with the Linux build what the Windows program printed.
    [[ -f build/build.ninja ]] || cmake --preset test >/dev/null
    cmake --build --preset test --target pellucors_grab pellucors_workspace_check print_driver
fi
cmake --workflow --preset "$preset"
bash scripts/windows-package.sh build-windows build-windows

if [[ $preset == windows-test ]]; then
    ctest --preset windows-test
fi
