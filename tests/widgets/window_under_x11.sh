#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Morvane on a private Xvfb display, with no window manager or under openbox, and checks
# the window as the user and the window manager see it: its caption and a client area of the
# size its table gives (as morvane_form_table prints it) that, with the frame the manager
# added (none without one), is centred on the screen; equal minimum and
# maximum size hints, and under openbox no resize, maximize or minimize action; no minimize or
# maximize button or function in _MOTIF_WM_HINTS; _NET_WM_STATE_SKIP_TASKBAR, still there once openbox
# has taken the window over; one 48 x 48 fully opaque image in _NET_WM_ICON; the window active
# on open (under openbox _NET_ACTIVE_WINDOW names it) with the keyboard focus in the result box,
# seen by typing Return, Ctrl+A and Ctrl+C and reading the clipboard: " 184,756" there. Then
# Shift+F10 and Show Steps open the Steps window; under openbox, minimising it minimises the main
# window, which is listed in the taskbar until restored; once Escape closes it, the keys reach
# the result box again. Bare, it also checks the one-line message and status 1 with no display.
# Usage: window_under_x11.sh PATH/TO/morvane PATH/TO/morvane_form_table [openbox]
set -euo pipefail
source "$(dirname "$0")/private_x_server.sh"
program=$1 table_program=$2
manager=${3:-}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in Xvfb xwininfo xprop xdotool xclip python3 ${manager:+"$manager"}; do
  command -v "$tool" >/dev/null ||
    fail "$tool is not installed (scripts/deps.sh lists its Debian package; scripts/test installs it)"
done

# With no display at all: one line naming what to set, and status 1, not Qt's abort.
if [ -z "$manager" ]; then
  status=0
  message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1) || status=$?
  [ "$status" = 1 ] && [ "$(wc -l <<<"$message")" = 1 ] &&
    grep -q 'DISPLAY.*WAYLAND_DISPLAY.*morvane-cli' <<<"$message" ||
    fail "with no display: status $status, not 1 and one line naming DISPLAY: $message"
fi

# The caption, and the client area's width and height in pixels, from the window's table.
read -r client_width client_height caption < <("$table_program" |
  python3 -c 'import json, sys; t = json.load(sys.stdin); print(*t["client"], t["caption"])') ||
  true
[ -n "${caption:-}" ] || fail "no client size and caption from $table_program"
client="${client_width}x$client_height"

work=$(mktemp -d)
x_server_pid='' manager_pid='' app_pid=''
cleanup() {
  set +e
  for pid in $app_pid $manager_pid $x_server_pid; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT

start_private_x_server "$work"

if [ "$manager" = openbox ]; then
  # Its stock configuration, whatever the user keeps in ~/.config. The startup command runs
  # once openbox has announced what it supports and manages new windows as it will later;
  # _NET_SUPPORTING_WM_CHECK appears before that.
  XDG_CONFIG_HOME="$work" openbox --sm-disable --startup "touch $work/manager-ready" \
    >"$work/manager.log" 2>&1 &
  manager_pid=$!
  for _ in $(seq 200); do
    [ -e "$work/manager-ready" ] && break
    kill -0 "$manager_pid" 2>/dev/null || fail "openbox exited: $(cat "$work/manager.log")"
    sleep 0.05
  done
  [ -e "$work/manager-ready" ] || fail "openbox did not start: $(cat "$work/manager.log")"
elif [ -n "$manager" ]; then
  fail "unknown window manager $manager"
fi

# A panel's strut across the top of the screen: the window is centred on the whole screen all
# the same, not on the work area the panel leaves.
xprop -root -f _NET_WORKAREA 32c \
  -set _NET_WORKAREA "0, 100, $x_screen_width, $((x_screen_height - 100))"

"$program" >"$work/app.log" 2>&1 &
app_pid=$!
info=''
for _ in $(seq 400); do
  info=$(xwininfo -name "$caption" 2>/dev/null) || info=''
  grep -q 'Map State: IsViewable' <<<"$info" && break
  kill -0 "$app_pid" 2>/dev/null || fail "morvane exited early: $(cat "$work/app.log")"
  sleep 0.05
done
grep -q 'Map State: IsViewable' <<<"$info" || fail "no mapped window named $caption"
window_id() { sed -n "s/.*$1 id: \(0x[0-9a-f]*\).*/\1/p"; }
window=$(window_id Window <<<"$info")
field() { sed -n "s/^ *$1: *\(-\?[0-9]*\).*/\1/p" <<<"$2"; }

# Waits up to ten seconds for the manager to name the window active; sets active.
wait_until_active() {
  active=''
  for _ in $(seq 200); do
    active=$(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$active" ] && ((active == window)) && break
    sleep 0.05
  done
}

# Active on open: the manager names it; without one, the keys below reach it or not.
if [ -n "$manager" ]; then
  wait_until_active
  [ -n "$active" ] && ((active == window)) ||
    fail "not the active window on open: the active one is ${active:-none}, not $window"
fi

[ "$(field Width "$info")x$(field Height "$info")" = "$client" ] ||
  fail "client area is $(field Width "$info")x$(field Height "$info"), not $client"

# The window's outermost ancestor below the root is the manager's frame, or the window itself.
root=$(xwininfo -root | window_id Window)
outer=$window
while parent=$(xwininfo -children -id "$outer" | window_id 'Parent window') && ((parent != root)); do
  outer=$parent
done
frame=$(xwininfo -id "$outer")
border=$(field 'Border width' "$frame")
x=$(($(field 'Absolute upper-left X' "$frame") - border))
y=$(($(field 'Absolute upper-left Y' "$frame") - border))
width=$(($(field Width "$frame") + 2 * border))
height=$(($(field Height "$frame") + 2 * border))
(((x * 2 + width - x_screen_width) ** 2 <= 16 && (y * 2 + height - x_screen_height) ** 2 <= 16)) ||
  fail "framed window ${width}x$height at $x,$y is not centred on the" \
    "${x_screen_width}x${x_screen_height} screen"

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q "program specified minimum size: $client_width by $client_height" <<<"$hints" &&
  grep -q "program specified maximum size: $client_width by $client_height" <<<"$hints" ||
  fail "size hints do not fix the size at $client: $hints"
if [ -n "$manager" ]; then
  actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
  grep -q '_NET_WM_ACTION_MOVE' <<<"$actions" || fail "$manager has not taken it over: $actions"
  ! grep -q -E '_NET_WM_ACTION_(RESIZE|MAXIMIZE|MINIMIZE)' <<<"$actions" ||
    fail "$manager lets the user resize or minimise it: $actions"
fi

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

# The keys go wherever the keyboard focus is. In the result box, Return runs Go there and the
# box's own select-all and copy put the result on the clipboard; in N or K the copy would be
# "20" or "10", on Go nothing.
xdotool key Return ctrl+a ctrl+c
copied=''
for _ in $(seq 100); do
  copied=$(xclip -o -selection clipboard 2>/dev/null) || copied=''
  [ "$copied" = ' 184,756' ] && break
  sleep 0.05
done
[ "$copied" = ' 184,756' ] ||
  fail "the keyboard focus is not in the result box on open: Return, Ctrl+A, Ctrl+C copied '$copied'"

# Show Steps from the keyboard (Shift+F10, its last entry), then close it with Escape: the
# keyboard focus is back in the result box, where End and x extend the result.
xdotool key shift+F10
for _ in $(seq 100); do
  (($(xdotool search --onlyvisible --classname morvane | wc -l) > 1)) && break
  sleep 0.05
done
xdotool key Up Return
steps=''
for _ in $(seq 100); do
  info=$(xwininfo -name Steps 2>/dev/null) || info=''
  grep -q 'Map State: IsViewable' <<<"$info" && steps=$(window_id Window <<<"$info") && break
  sleep 0.05
done
[ -n "$steps" ] || fail "Shift+F10 and Show Steps opened no Steps window"
if [ -n "$manager" ]; then
  # Minimising the Steps window minimises the main window with it: listed in the taskbar
  # while minimised, out of it again once restored.
  xdotool windowminimize "$steps"
  hidden_state=''
  for _ in $(seq 100); do
    hidden_state=$(xprop -id "$window" _NET_WM_STATE)
    grep -q HIDDEN <<<"$hidden_state" && ! grep -q SKIP_TASKBAR <<<"$hidden_state" && break
    sleep 0.05
  done
  ! grep -q SKIP_TASKBAR <<<"$hidden_state" || fail "minimised but not in the taskbar: $hidden_state"
  xdotool windowactivate "$steps"
  for _ in $(seq 100); do
    state=$(xprop -id "$window" _NET_WM_STATE)
    grep -q SKIP_TASKBAR <<<"$state" && break
    sleep 0.05
  done
  grep -q SKIP_TASKBAR <<<"$state" || fail "restored but still in the taskbar: $state"
fi
xdotool key Escape
for _ in $(seq 100); do
  xwininfo -id "$steps" | grep -q 'Map State: IsViewable' || break
  sleep 0.05
done
[ -z "$manager" ] || wait_until_active
xdotool key End x ctrl+a ctrl+c
for _ in $(seq 100); do
  copied=$(xclip -o -selection clipboard 2>/dev/null) || copied=''
  [ "$copied" = ' 184,756x' ] && break
  sleep 0.05
done
[ "$copied" = ' 184,756x' ] ||
  fail "no keyboard focus in the result box after the Steps window closed: copied '$copied'" \
    "${manager:+(the active window: $(xprop -root _NET_ACTIVE_WINDOW))}"

echo "PASS${manager:+ under $manager}: $caption $client, framed ${width}x$height at $x,$y, fixed size," \
  "no min/max buttons, skips taskbar, 48x48 icon, active with the focus in the result box," \
  "and again after Show Steps"
