#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer's life cycle under Wine: a silent install puts both programs, the licence, the
# readme, the uninstaller, the Start-menu entry and the uninstall key with name and version in
# place, and the folder on the user's PATH (unless the PATH is too long to change whole); a
# reinstall goes to the same folder; while the window runs, the installer and the uninstaller
# change nothing and fail; a silent uninstall removes everything again. The zip carries what
# the folder does.
# Usage: installer_check.sh INSTALLER VERSION_TEXT ZIP (in the prefix WINEPREFIX names)
set -euo pipefail
installer=$1 version=$2 archive=$3
drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/MorvaneTest"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvane'
menu_entry="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Morvane.lnk"
files=(morvane.exe morvane-cli.exe LICENSE.txt README.txt)
fail() { echo "FAIL: $*" >&2; exit 1; }
user_path() {
  wine reg query 'HKCU\Environment' /v Path 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *Path *REG_[A-Z_]*SZ *//p'
}
set_user_path() { wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$1" /f >/dev/null; }
uninstall() { wine 'C:\MorvaneTest\uninstall.exe' /S '_?=C:\MorvaneTest'; }

contents=$(python3 -c 'import sys, zipfile; print(*sorted(zipfile.ZipFile(sys.argv[1]).namelist()))' \
  "$archive")
[ "$contents" = "LICENSE.txt README.txt morvane-cli.exe morvane.exe" ] || fail "zip holds $contents"
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
rm -rf "$folder" "$drive_c/Program Files/Morvane"

# A PATH of over 1,024 characters, more than the installer's strings hold, stays whole.
long_path="C:\\Keep$(printf ';C:\\Tools\\%04d' $(seq 100))"
set_user_path "$long_path"
wine "$installer" /S '/D=C:\MorvaneTest'
for file in "${files[@]}" uninstall.exe; do
  [ -f "$folder/$file" ] || fail "$file not installed"
done
[ -f "$menu_entry" ] || fail "no Start-menu entry"
wine reg query "$key" /v DisplayName | grep -q 'Morvane' || fail "uninstaller not registered"
wine reg query "$key" /v DisplayVersion | grep -q "$version" || fail "registered without $version"
[ "$(wine 'C:\MorvaneTest\morvane-cli.exe' 20 10)" = $' 184,756\r' ] || fail "installed CLI"
[ "$(user_path)" = "$long_path" ] || fail "a long PATH became $(user_path | head -c 80)…"

# Reinstalls go to the folder of the last install and put it on the PATH once.
set_user_path 'C:\Keep'
wine "$installer" /S
wine "$installer" /S
[ ! -e "$drive_c/Program Files/Morvane" ] || fail "reinstalled into Program Files, not the last folder"
[ "$(user_path)" = 'C:\Keep;C:\MorvaneTest' ] || fail "PATH after reinstalls: $(user_path)"

# While the window runs from the folder: silently, both fail and everything stays.
wine 'C:\MorvaneTest\morvane.exe' & window=$!
# Started once Wine has mapped the program's file into its process.
for _ in $(seq 100); do
  grep -qF "$folder/morvane.exe" "/proc/$window/maps" 2>/dev/null && break
  sleep 0.1
done
if wine "$installer" /S; then fail "reinstalled while the window ran"; fi
if uninstall; then fail "uninstalled while the window ran"; fi
kill "$window"
wait "$window" || true
for file in "${files[@]}"; do
  [ -f "$folder/$file" ] || fail "$file gone after an uninstall refused"
done
wine reg query "$key" >/dev/null 2>&1 || fail "uninstall key gone while the files stay"

uninstall
for file in "${files[@]}"; do
  [ ! -e "$folder/$file" ] || fail "$file left after uninstall"
done
[ ! -e "$menu_entry" ] || fail "Start-menu entry left after uninstall"
! wine reg query "$key" >/dev/null 2>&1 || fail "uninstall key left"
[ "$(user_path)" = 'C:\Keep' ] || fail "PATH after uninstall: $(user_path)"
wine reg delete 'HKCU\Environment' /v Path /f >/dev/null
rm -rf "$folder"
for file in "${desktop_files[@]}"; do
  [ ! -e "$HOME/$file" ] || fail "Wine wrote $file into the home folder"
done
echo "installed, reinstalled, refused while running and uninstalled"
