#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Morvane on a private display server, X11 (Xvfb) or Wayland (weston's headless
# compositor), in a private D-Bus session, and reads it through the accessibility bus with
# screen_reader_view.py, as a screen reader does: a frame named after the caption, the boxes
# and the button named as the window's table says (morvane_form_table prints it), and
# " 184,756" in the result box after Go is pressed. Morvane must write nothing to standard
# error meanwhile: no warning about what the platform cannot do.
# Usage: window_seen_by_screen_reader.sh x11|wayland PATH/TO/morvane PATH/TO/morvane_form_table
set -euo pipefail
source "$(dirname "$0")/private_x_server.sh"
platform=$1 program=$2 table_program=$3
checker="$(dirname "$0")/screen_reader_view.py"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Debian's own interpreter: pyatspi is installed for it, not for another python3 on the PATH.
python=/usr/bin/python3
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
  fail "$python cannot import pyatspi: install the Debian package python3-pyatspi"
fi
[ -x /usr/libexec/at-spi-bus-launcher ] ||
  fail "no accessibility bus launcher: install the Debian package at-spi2-core"
command -v dbus-daemon >/dev/null || fail "no dbus-daemon: install the Debian package dbus"
case $platform in
  x11) command -v Xvfb >/dev/null || fail "no Xvfb: install the Debian package xvfb" ;;
  wayland) command -v weston >/dev/null || fail "no weston: install the Debian package weston" ;;
  *) fail "unknown platform '$platform': x11 or wayland" ;;
esac

work=$(mktemp -d)
server_pid='' x_server_pid='' bus_pid='' app_pid=''
cleanup() {
  set +e
  for pid in $app_pid $bus_pid $server_pid $x_server_pid; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
"$table_program" >"$work/table.json" || fail "$table_program printed no table"
wait_for_file() {
  for _ in $(seq 200); do
    [ -s "$1" ] || [ -S "$1" ] && return 0
    sleep 0.05
  done
  return 1
}

# Everything the session starts stays inside $work: the runtime directory (Wayland socket, bus
# sockets) and, through the memory backend, the settings the screen reader flag would write.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export GSETTINGS_BACKEND=memory
# Qt warnings go to standard error even where Qt could log elsewhere, so none escapes the check.
export QT_FORCE_STDERR_LOGGING=1
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS

if [ "$platform" = x11 ]; then
  start_private_x_server "$work"
else
  weston --backend=headless-backend.so --use-pixman --socket=morvane --idle-time=0 \
    --no-config >"$work/server.log" 2>&1 &
  server_pid=$!
  wait_for_file "$XDG_RUNTIME_DIR/morvane" || fail "weston did not start: $(cat "$work/server.log")"
  export WAYLAND_DISPLAY=morvane QT_QPA_PLATFORM=wayland
  unset DISPLAY
fi

# The bus starts the accessibility bus launcher on demand, with the environment above.
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/bus.log" 2>&1 &
bus_pid=$!
wait_for_file "$work/bus" || fail "dbus-daemon did not start: $(cat "$work/bus.log")"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

"$program" >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
"$python" "$checker" "$work/table.json" ||
  fail "on $platform; morvane's standard error: $(cat "$work/app.err")"
kill -0 "$app_pid" 2>/dev/null || fail "morvane exited: $(cat "$work/app.err")"
[ ! -s "$work/app.err" ] || fail "morvane wrote to standard error on $platform: $(cat "$work/app.err")"
echo "PASS on $platform"
