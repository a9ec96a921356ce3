#!/usr/bin/env bash
# Builds Pellucors for 64-bit Windows on Debian 12 and writes, in build-windows/:
#   pellucors-<version>-windows-x64-setup.exe  the installer (per machine, under
#                                              Program Files; /S installs silently)
#   pellucors-<version>-windows-x64.msi        the same, as a Windows Installer
#                                              package for central deployment
#   pellucors-<version>-windows-x64.zip        the same program, runnable from
#                                              any folder
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
build="build-windows"
# shellcheck source=/dev/null # the package facts, written by the configure step
source "$build/package-facts.sh"
name=$PELLUCORS_PACKAGE

# The program folder, stripped of symbols as a release is.
stage=$build/$name
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null
find "$stage" \( -name '*.dll' -o -name '*.exe' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The zip: the program folder itself, with every file dated at the version's
# changelog entry so that the same sources give the same archive.
stamp=$(sed -n '0,/^ -- .*>  /s/^ -- .*>  //p' resources/changelog)
find "$stage" -exec touch -d "$stamp" {} +
rm -f "$build/$name.zip"
(cd "$build" && find "$name" -type f | LC_ALL=C sort >files.txt &&
    cmake -E tar cf "$name.zip" --format=zip --files-from=files.txt)

# The installer: the uninstaller removes exactly the files put there.
uninstall_list=$build/uninstall-files.nsh
# shellcheck disable=SC2016 # $INSTDIR is NSIS's own variable, written as it stands
{
    (cd "$stage" && find . -type f | LC_ALL=C sort) | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
    (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
} >"$uninstall_list"
makensis -V2 -NOCD -DVERSION="$PELLUCORS_VERSION" -DVENDOR="$PELLUCORS_VENDOR" \
    -DUPGRADE_CODE="$PELLUCORS_UPGRADE_CODE" -DPROGRAM_DIR="$PWD/$stage" \
    -DICON="$PWD/resources/pellucors.ico" -DUNINSTALL_LIST="$PWD/$uninstall_list" \
    -DOUTFILE="$PWD/$build/$name-setup.exe" resources/windows/pellucors.nsi
bash scripts/windows-msi.sh "$build/package-facts.sh" "$stage" "$build/$name.msi"

echo "wrote $build/$name-setup.exe ($(du -k "$build/$name-setup.exe" | cut -f1) KiB)"
echo "wrote $build/$name.msi ($(du -k "$build/$name.msi" | cut -f1) KiB)"
echo "wrote $build/$name.zip ($(du -k "$build/$name.zip" | cut -f1) KiB)"

if [[ $preset == windows-test ]]; then
    ctest --preset windows-test
fi
