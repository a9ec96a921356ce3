#!/usr/bin/env bash
# Installs the Debian 12 packages Pellucors needs, and only those missing, so a
# second run costs a few dpkg queries.
# Usage: deps.sh run|test|bench|windows|windows-test
set -euo pipefail

# dpkg-dev: the build takes Debian's hardening flags and the release's date
# from its dpkg-buildflags and dpkg-parsechangelog.
run_packages=(
    g++ cmake ninja-build pkg-config dpkg-dev
    qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev libcups2-dev libutf8proc-dev
    fonts-dejavu-core fonts-liberation
)
test_packages=(
    xvfb xdotool x11-utils xauth weston
    cups cups-client cups-filters poppler-utils fonts-wqy-microhei
    desktop-file-utils appstream file lintian
    clang libclang-rt-14-dev
    shellcheck shfmt
)

bench_packages=(xvfb binutils)

# The Windows build: the mingw-w64 cross compiler, Debian's source of Qt to
# build for Windows (apt-get source needs dpkg-dev), the installer builders
# (NSIS, and wixl and msitools for the MSI, under faketime's clock), Authenticode
# signing (osslsigncode), and wine with the Windows faces (MS Sans Serif,
# Courier) for the tests.
windows_packages=(
    g++-mingw-w64-x86-64-posix xz-utils perl nsis wixl msitools faketime osslsigncode
    wine wine64 fonts-wine
)
# The tests also sign with a certificate of their own (openssl) and rebuild
# the packages under another locale (made from locales' sources).
windows_test_packages=(xvfb xdotool x11-utils cups cups-client poppler-utils ghostscript
    openssl locales)

packages=("${run_packages[@]}")
case "${1:-run}" in
run) ;;
test) packages+=("${test_packages[@]}") ;;
bench) packages+=("${bench_packages[@]}") ;;
windows) packages+=("${windows_packages[@]}") ;;
windows-test) packages+=("${windows_packages[@]}" "${windows_test_packages[@]}") ;;
*)
    echo "usage: $0 run|test|bench|windows|windows-test" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root (or install these packages yourself)." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
