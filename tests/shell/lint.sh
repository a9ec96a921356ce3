#!/usr/bin/env bash
# Lints every shell script of the source tree (found by shfmt by name or by
# its #! line; the build folders left out): Debian's shellcheck, following
# the files they source, and shfmt's one style, indented by 4 (the differences
# are shown). A remaining shellcheck directive names its rule and why.
# Usage: lint.sh SOURCE-DIR
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

cd "${1:?usage: lint.sh SOURCE-DIR}"
# shellcheck source=helpers.sh
source tests/shell/helpers.sh
require_tools shellcheck shfmt
mapfile -t scripts < <(shfmt -f . | grep -v '^build' | LC_ALL=C sort)
((${#scripts[@]} > 0)) || fail "no shell scripts found"
status=0
shellcheck --external-sources "${scripts[@]}" || status=1
shfmt -d -i 4 "${scripts[@]}" || status=1
((status == 0)) || fail "shellcheck or shfmt -i 4 above"
echo "${#scripts[@]} shell scripts pass shellcheck and shfmt -i 4"
