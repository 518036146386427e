#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Morvane on a private Xvfb display and checks what a window manager reads from its
# window: a 384 x 175 client area centred on the screen, equal minimum and maximum size hints,
# no minimize or maximize button or function in _MOTIF_WM_HINTS, _NET_WM_STATE_SKIP_TASKBAR,
# and one 48 x 48 fully opaque image in _NET_WM_ICON.
# Usage: window_under_x11.sh PATH/TO/morvane
set -euo pipefail
program=$1
readonly screen_width=1024 screen_height=768

work=$(mktemp -d)
xvfb_pid='' app_pid=''
cleanup() {
  set +e
  for pid in $app_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# -displayfd picks a free display number and writes it once the server accepts clients.
Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

"$program" >"$work/app.log" 2>&1 &
app_pid=$!
info=''
for _ in $(seq 400); do
  info=$(xwininfo -name MORVANE 2>/dev/null) || info=''
  grep -q 'Map State: IsViewable' <<<"$info" && break
  kill -0 "$app_pid" 2>/dev/null || fail "morvane exited early: $(cat "$work/app.log")"
  sleep 0.05
done
grep -q 'Map State: IsViewable' <<<"$info" || fail "no mapped window named MORVANE"
window=$(sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$info")
field() { sed -n "s/^ *$1: *\(-\?[0-9]*\).*/\1/p" <<<"$info"; }

[ "$(field Width)x$(field Height)" = 384x175 ] ||
  fail "client area is $(field Width)x$(field Height), not 384x175"
x=$(field 'Absolute upper-left X')
y=$(field 'Absolute upper-left Y')
(((x * 2 + 384 - screen_width) ** 2 <= 4 && (y * 2 + 175 - screen_height) ** 2 <= 4)) ||
  fail "window at $x,$y is not centred on the ${screen_width}x${screen_height} screen"

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q 'program specified minimum size: 384 by 175' <<<"$hints" &&
  grep -q 'program specified maximum size: 384 by 175' <<<"$hints" ||
  fail "size hints do not fix the size at 384x175: $hints"

# _MOTIF_WM_HINTS: flags, functions, decorations. Functions: 1 all, 8 minimize, 16 maximize;
# decorations: 1 all, 32 minimize, 64 maximize ("all" turns the listed bits into exclusions).
motif=$(xprop -id "$window" -notype -f _MOTIF_WM_HINTS 32c ' $0 $1 $2' _MOTIF_WM_HINTS)
read -r flags functions decorations <<<"${motif#_MOTIF_WM_HINTS}" ||
  fail "no _MOTIF_WM_HINTS: $motif"
((flags & 1 && flags & 2)) || fail "_MOTIF_WM_HINTS leaves functions or decorations to the WM"
((!(functions & (1 | 8 | 16)))) || fail "minimize or maximize function allowed: $motif"
((!(decorations & (1 | 32 | 64)))) || fail "minimize or maximize button requested: $motif"

state=$(xprop -id "$window" _NET_WM_STATE)
grep -q '_NET_WM_STATE_SKIP_TASKBAR' <<<"$state" || fail "not kept out of the taskbar: $state"

# One image: width, height, then width x height ARGB values, each with alpha 255.
read -r -a icon <<<"$(xprop -id "$window" -notype -f _NET_WM_ICON 32c ' $0+' _NET_WM_ICON |
  sed 's/^_NET_WM_ICON//; s/,/ /g')"
[ "${#icon[@]}" -eq $((2 + 48 * 48)) ] && [ "${icon[0]}x${icon[1]}" = 48x48 ] ||
  fail "_NET_WM_ICON is not one 48x48 image (${icon[0]:-none}x${icon[1]:-none}, ${#icon[@]} values)"
for pixel in "${icon[@]:2}"; do
  ((pixel >= 0xff000000)) || fail "icon has a pixel that is not fully opaque: $pixel"
done

echo "PASS: 384x175 at $x,$y, fixed size, no min/max buttons, skips taskbar, 48x48 icon"
