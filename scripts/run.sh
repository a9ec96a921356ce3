#!/usr/bin/env bash
# Installs what is missing, builds Pellucors (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh run
cmake --workflow --preset release
exec build-release/ui/pellucors
