#!/usr/bin/env bash
# Installs what is missing, builds Pellucors with its tests (warnings are
# errors) and runs every test, the sanitizer run and the fuzzers, then builds
# the release's .deb and the Windows packages and runs the Windows tests under
# wine (among them a second build of all the packages, compared bit for bit).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test
cmake --workflow --preset test
# The offscreen suite again under AddressSanitizer, UBSan and LeakSanitizer,
# then each fuzz target for a bounded time.
bash scripts/sanitize.sh
bash scripts/fuzz.sh
# The .deb as a release is built (build-release).
cmake --workflow --preset deb
# Windows: the cross-built suites, the installer and printing, under wine (the
# first run also builds Qt for Windows, once).
bash scripts/windows.sh test
