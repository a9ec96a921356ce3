#!/usr/bin/env bash
# Installs what is missing, builds Pellucors with its tests (warnings are
# errors) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELLUCORS_WERROR=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j 2
