# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a private Xvfb for one window check; sourced by the scripts that need an X server.

# The screen of the private server, in pixels.
readonly x_screen_width=1024 x_screen_height=768

# Starts Xvfb on a free display with its files in DIR; once it accepts clients, exports DISPLAY
# and points Qt at xcb. Sets x_server_pid, for the caller's clean-up, as soon as the server
# runs, and calls the caller's fail when it does not come up.
# -displayfd picks a free display number and writes it once the server accepts clients.
# -noreset: by default the server resets whenever its last client disconnects, and a client
# that connects during the reset is refused ("could not connect to display"); the checks'
# short-lived clients (xwininfo, xprop, the accessibility bus launcher) connect and disconnect
# around Morvane's own connection.
start_private_x_server() {
  local dir=$1
  Xvfb -displayfd 3 -noreset -screen 0 "${x_screen_width}x${x_screen_height}x24" -nolisten tcp \
    3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  x_server_pid=$!
  for _ in $(seq 200); do
    [ -s "$dir/display" ] && break
    sleep 0.05
  done
  [ -s "$dir/display" ] || fail "Xvfb did not start: $(cat "$dir/xvfb.log")"
  DISPLAY=":$(head -n1 "$dir/display")"
  export DISPLAY QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
}
