#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a private Xvfb and measures the main window beside a plain Qt form with the same
# controls, that form in the window's faces and sizes, an empty Qt window of the same size and
# that window with one label: time from process start to the window being mapped, processor
# time used by then (with SETTLE_MS 0) and Rss/Pss after it settles. The programs take turns,
# one start each per round in a rotating order, so that load from other work on the machine
# falls on all of them alike; the window's figures over the form's are given per round.
# Usage: bench/window/measure.sh BUILD_DIR [ROUNDS] [SETTLE_MS]
set -euo pipefail
build=$1
rounds=${2:-11}
settle_ms=${3:-1500}
work=$(mktemp -d)
xvfb_pid=''
cleanup() {
  set +e
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" && wait "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

# -noreset keeps the server up between one program's exit and the next one's connection.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
  >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# A runtime directory of its own, as a desktop session gives, so Qt does not warn at every start.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

bench="$build/bench/window/morvane_window_start_bench"
bare="$build/bench/window/morvane_bare_window"
commands=("$build/window/morvane" "$bare --form" "$bare --form-faces" "$bare" "$bare --text")
names=(window form faces empty label)

# One unmeasured start each warms the page cache and the font cache.
for command in "${commands[@]}"; do
  # shellcheck disable=SC2086  # the command carries its argument
  "$bench" 1 200 $command >/dev/null
done
for ((round = 0; round < rounds; ++round)); do
  for ((turn = 0; turn < ${#commands[@]}; ++turn)); do
    i=$(((round + turn) % ${#commands[@]}))
    # "run  1: mapped after   123.4 ms, cpu    45.6 ms, Rss  45678 KiB, Pss  12345 KiB"
    # shellcheck disable=SC2086
    "$bench" 1 "$settle_ms" ${commands[i]} | head -n1 | tr -s ' ' |
      sed 's/.*after \([0-9.]*\) ms, cpu \([0-9.]*\) ms, Rss \([0-9]*\) KiB, Pss \([0-9]*\).*/\1 \2 \3 \4/' \
        >>"$work/${names[i]}"
  done
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
for i in "${!names[@]}"; do
  file="$work/${names[i]}"
  printf '%-6s %-28s median of %d: mapped after %6.1f ms, cpu %5.1f ms, Rss %6d KiB, Pss %6d KiB\n' \
    "${names[i]}" "${commands[i]##*/}" "$rounds" "$(cut -d' ' -f1 "$file" | median)" \
    "$(cut -d' ' -f2 "$file" | median)" "$(cut -d' ' -f3 "$file" | median)" \
    "$(cut -d' ' -f4 "$file" | median)"
done
# Per round, the window's figure over the other's: median and range.
ratio() {
  paste -d' ' "$work/window" "$work/$1" | awk -v f="$2" -v n=$(($2 + 4)) '{ print $f / $n }' >"$work/ratio"
  printf 'window / %-5s %-6s per round: median %.3f, range %.3f-%.3f\n' "$1" "$3" \
    "$(median <"$work/ratio")" "$(sort -g "$work/ratio" | head -n1)" \
    "$(sort -g "$work/ratio" | tail -n1)"
}
for other in form faces; do
  ratio "$other" 1 mapped
  ratio "$other" 2 cpu
done
