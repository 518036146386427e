#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the Windows resource script with the MinGW resource compiler, as a .res and as a
# COFF object, reads the .res back as text and checks the version record and the icon group.
# Usage: check_version_resource.sh PATH/TO/morvane.rc MAJOR MINOR PATCH SHOWN_VERSION
# shellcheck source=check_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/check_common.sh"
rc=$1
major=$2 minor=$3 patch=$4 shown=$5
windres=x86_64-w64-mingw32-windres

# The host C preprocessor stands in for the MinGW compiler's: the script includes no headers.
compile() { "$windres" --preprocessor=cpp -I "$(dirname "$rc")" -i "$rc" "$@"; }
compile -O res -o "$work/morvane.res" || fail "windres rejected $rc"
compile -O coff -o "$work/morvane.o" || fail "windres could not make an object file"
x86_64-w64-mingw32-objdump -h "$work/morvane.o" | grep -q '\.rsrc' || fail "no .rsrc section"
"$windres" -i "$work/morvane.res" -O rc -o "$work/decompiled.rc"
text=$(grep -v '^ *0x' "$work/decompiled.rc" | tr -s ' \t' ' ')

expect() {
  grep -qF -- "$1" <<<"$text" || fail "missing: $1"
}
expect "FILEVERSION $major, $minor, $patch, 0"
expect "PRODUCTVERSION $major, $minor, $patch, 0"
expect 'BLOCK "041004B0"'
expect "VALUE \"FileVersion\", \"$shown\""
expect "VALUE \"ProductVersion\", \"$shown\""
expect 'VALUE "ProductName", "Morvane"'
expect 'VALUE "InternalName", "Morvane"'
expect 'VALUE "Translation", 0x410, 1200'
# Group icon 1 lists one 48 x 48 image ("0" is octal 060) of 24 bits, icon resource 1.
expect '1 14 /* RT_GROUP_ICON */'
expect 'Has 1 elements'
expect '"\060\060\000\000", 1, 24,'
[ "$(grep -c 'RT_ICON \*/' <<<"$text")" -eq 1 ] || fail "not exactly one icon image"
[ "$(grep -c '^LANGUAGE 16, 1' <<<"$text")" -eq 1 ] || fail "resources are not all Italian"
[ "$(grep -c '^LANGUAGE' <<<"$text")" -eq 1 ] || fail "resources are not all Italian"
echo "PASS: version $major.$minor.$patch.0 (\"$shown\"), Italian/1200, Morvane, icon group 1 with one image"
