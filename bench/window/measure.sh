#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a private Xvfb and measures the main window beside an empty Qt window of the same size
# and that window with one label: time from process start to the window being mapped, and
# Rss/Pss after it settles.
# Usage: bench/window/measure.sh BUILD_DIR [RUNS] [SETTLE_MS]
set -euo pipefail
build=$1
runs=${2:-11}
settle_ms=${3:-1500}
work=$(mktemp -d)
xvfb_pid=''
cleanup() {
  set +e
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" && wait "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

bench="$build/bench/window/morvane_window_start_bench"
bare="$build/bench/window/morvane_bare_window"
for command in "$build/window/morvane" "$bare" "$bare --text"; do
  echo "== ${command#"$build"/}"
  # One unmeasured start warms the page cache and the font cache.
  # shellcheck disable=SC2086  # the command carries its argument
  "$bench" 1 200 $command >/dev/null
  # shellcheck disable=SC2086
  "$bench" "$runs" "$settle_ms" $command | tail -n1
done
