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
# A server left running in the old prefix would outlive it, serving a deleted folder.
if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.ready"
