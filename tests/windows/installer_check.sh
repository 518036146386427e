#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine: a silent install puts both programs, the uninstaller, the
# Start-menu entry and the uninstall key with name and version in place, and the installed
# morvane-cli.exe counts; a silent uninstall removes them again.
# Usage: installer_check.sh INSTALLER VERSION_TEXT (in the prefix WINEPREFIX names)
set -euo pipefail
installer=$1 version=$2
drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/MorvaneTest"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvane'
menu_entry="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Morvane.lnk"
fail() { echo "FAIL: $*" >&2; exit 1; }
# Wine writes menu entries, .menu files and icons for Start-menu shortcuts into the home folder
# unless winemenubuilder is disabled (WINEDLLOVERRIDES): here it gets a home of its own inside
# the build folder, which must stay without them.
export HOME="$WINEPREFIX-home"
unset XDG_DATA_HOME XDG_CONFIG_HOME
rm -rf "$HOME" && mkdir -p "$HOME"
desktop_files=(.local/share/applications/wine .config/menus .local/share/icons
  .local/share/desktop-directories)

# Wine's services start with the first program and keep its output open: start them apart.
wine cmd /c exit 0 </dev/null >/dev/null 2>&1
rm -rf "$folder"
wine "$installer" /S '/D=C:\MorvaneTest'
for file in morvane.exe morvane-cli.exe uninstall.exe; do
  [ -f "$folder/$file" ] || fail "$file not installed"
done
[ -f "$menu_entry" ] || fail "no Start-menu entry"
wine reg query "$key" /v DisplayName | grep -q 'Morvane' || fail "uninstaller not registered"
wine reg query "$key" /v DisplayVersion | grep -q "$version" || fail "registered without $version"
[ "$(wine 'C:\MorvaneTest\morvane-cli.exe' 20 10)" = $' 184,756\r' ] || fail "installed CLI"

# The uninstaller returns at once unless it runs in place (_?=), where it cannot delete itself.
wine 'C:\MorvaneTest\uninstall.exe' /S '_?=C:\MorvaneTest'
for file in morvane.exe morvane-cli.exe; do
  [ ! -e "$folder/$file" ] || fail "$file left after uninstall"
done
[ ! -e "$menu_entry" ] || fail "Start-menu entry left after uninstall"
! wine reg query "$key" >/dev/null 2>&1 || fail "uninstall key left"
rm -rf "$folder"
for file in "${desktop_files[@]}"; do
  [ ! -e "$HOME/$file" ] || fail "Wine wrote $file into the home folder"
done
echo "installed and uninstalled"
