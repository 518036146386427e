#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a fresh Wine prefix for the Windows tests at $1 (or WINEPREFIX): booted, with Wine's
# null graphics driver, so the window's tests need no X server. Wine reads the driver key only
# when its server starts, so the key goes in with the prefix's server stopped. Leaves no server
# running.
set -euo pipefail
# No menu entries, icons or file associations in the home folder: winemenubuilder is disabled.
export WINEPREFIX=${1:-$WINEPREFIX} WINEDEBUG=-all \
  WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

make_prefix() {
  # A server left running in the old prefix would outlive it, serving a deleted folder.
  if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
  rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX" &&
    wineboot -i >"$log" 2>&1 && wineserver -w &&
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >>"$log" 2>&1 &&
    wineserver -w
}

# Booting starts a dozen Wine programs, and a Wine program rarely ends at start for a cause
# in Wine itself (see scripts/windows): a second try is made, and a failure shows Wine's words.
for try in 1 2; do
  if make_prefix; then
    touch "$WINEPREFIX/.ready"
    exit 0
  fi
  echo "wine_prefix.sh: making $WINEPREFIX failed (try $try of 2):" >&2
  cat "$log" >&2
done
exit 1
