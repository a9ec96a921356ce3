#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source of the machine's Qt, once,
# into a cache folder named for the Qt version and these configure options, and
# prints that folder's prefix. A later run finds the finished prefix and does
# nothing; a changed version or option gives a new folder.
# Usage: cross-qt.sh   (as root; PELLUCORS_CACHE chooses the cache's parent)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

cache_root="${PELLUCORS_CACHE:-/var/cache/pellucors}"
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
host_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake

# Just what Pellucors and its tests use: Core, Gui, Widgets, PrintSupport and
# Test, the Windows and offscreen platforms (offscreen draws text with FreeType),
# the Windows style and JPEG for the splash logo. Nothing is taken from the
# Linux machine (no pkg-config); the libraries Qt bundles stand in for the
# system ones.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF
    -DFEATURE_fontconfig=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
    # The dfsg source has no wintab; Debian's patches switch androiddeployqt on.
    -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
    # Direct2D stays on: the Windows print engine draws text with the DirectWrite
    # font engine that comes with it. Only its own platform plugin is left out.
    -DFEATURE_direct2d1_1=OFF
)

key="$( (
    echo "$version"
    printf '%s\n' "${options[@]}"
    cat "$here/cmake/mingw-w64-x86_64.cmake"
) | sha256sum | cut -c1-12)"
folder="$cache_root/qt-${version}-mingw64-$key"
prefix="$folder/prefix"

if [ -f "$folder/done" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$folder"
cd "$folder"
# Qt remembers its toolchain file: it lives in the cache, not in this clone.
cp "$here/cmake/mingw-w64-x86_64.cmake" toolchain.cmake

if [ ! -d src ]; then
    rm -rf download && mkdir download
    bash "$here/scripts/deb-src.sh"
    (cd download && apt-get source --download-only "qt6-base=$version" >&2)
    dpkg-source -x download/*.dsc src-new >&2
    mv src-new src
fi

# Dated, as Debian's own builds are, at its source's changelog: the linker
# writes that date into every DLL.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l src/debian/changelog -S Timestamp)
export SOURCE_DATE_EPOCH
echo "Building Qt $version for Windows in $folder (once; about a quarter of an hour on 2 cores)" >&2
start=$(date +%s)
cmake -S src -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$folder/toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    "${options[@]}" >build.log 2>&1 || {
    tail -40 build.log >&2
    exit 1
}
# A line now and then, so that a long build is seen to go on.
if ! cmake --build build 2>&1 | tee -a build.log | awk '/^\[/ && ++steps % 100 == 0 { print > "/dev/stderr" }'; then
    grep -A20 'FAILED' build.log | grep -v 'warning\|note:\|^ *|' | head -60 >&2
    exit 1
fi
cmake --install build >>build.log 2>&1
echo "Qt for Windows built in $(($(date +%s) - start)) s" >&2
rm -rf src build download ./*.orig.tar.*
touch ./done
echo "$prefix"
