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

mode=${1:-build}
case $mode in
build) testing=OFF ;;
test) testing=ON ;;
*)
    echo "usage: $0 [test]" >&2
    exit 2
    ;;
esac
bash scripts/deps.sh "$([[ $mode == test ]] && echo windows-test || echo windows)"

# PELLUCORS_WINDOWS_QT: the prefix of a Qt for Windows built already.
qt=${PELLUCORS_WINDOWS_QT:-$(bash scripts/cross-qt.sh)}
version=$(sed -n 's/^project(Pellucors VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
build=build-windows
name=pellucors-$version-windows-x64

linux_build=()
if [[ $mode == test ]]; then
    # The installer test reads its screenshots with the Linux build's tools,
    # and prints with the Linux build what the Windows program printed.
    [[ -f build/build.ninja ]] ||
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELLUCORS_WERROR=ON >/dev/null
    cmake --build build --target pellucors_grab pellucors_workspace_check print_driver
    linux_build=(-DPELLUCORS_LINUX_BUILD="$PWD/build")
fi

# -O2, as Qt itself is built: mingw's GCC 12 warns falsely (-Wrestrict) inside
# std::string at CMake's -O3.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DPELLUCORS_WERROR=ON -DBUILD_TESTING="$testing" \
    "${linux_build[@]}" >/dev/null
cmake --build "$build"

# The program folder, stripped of symbols as a release is.
stage=$build/$name
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null
find "$stage" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# The zip: the program folder itself, with every file dated at the version's
# changelog entry so that the same sources give the same archive.
stamp=$(sed -n '0,/^ -- .*>  /s/^ -- .*>  //p' resources/changelog)
find "$stage" -exec touch -d "$stamp" {} +
rm -f "$build/$name.zip"
(cd "$build" && find "$name" -type f | LC_ALL=C sort >files.txt &&
    cmake -E tar cf "$name.zip" --format=zip --files-from=files.txt)

# The installer: the uninstaller removes exactly the files put there.
uninstall_list=$build/uninstall-files.nsh
{
    (cd "$stage" && find . -type f | LC_ALL=C sort) | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
    (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
} >"$uninstall_list"
makensis -V2 -NOCD \
    -DVERSION="$version" \
    -DVENDOR="$(sed -n 's/^set(PELLUCORS_VENDOR "\(.*\)")$/\1/p' CMakeLists.txt)" \
    -DPROGRAM_DIR="$PWD/$stage" -DICON="$PWD/resources/pellucors.ico" \
    -DUNINSTALL_LIST="$PWD/$uninstall_list" -DOUTFILE="$PWD/$build/$name-setup.exe" \
    -DUPGRADE_CODE="$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' resources/windows/pellucors.wxs)" \
    resources/windows/pellucors.nsi

bash scripts/windows-msi.sh "$stage" "$version" "$build/$name.msi"

echo "wrote $build/$name-setup.exe ($(du -k "$build/$name-setup.exe" | cut -f1) KiB)"
echo "wrote $build/$name.msi ($(du -k "$build/$name.msi" | cut -f1) KiB)"
echo "wrote $build/$name.zip ($(du -k "$build/$name.zip" | cut -f1) KiB)"

if [[ $mode == test ]]; then
    ctest --test-dir "$build" --output-on-failure -j 2
fi
