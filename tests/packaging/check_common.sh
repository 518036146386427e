# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by every packaging check: strict mode, a scratch directory $work removed when the
# check ends, and fail, which says what is wrong and ends the check with status 1.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
