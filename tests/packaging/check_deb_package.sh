#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a configured and built tree with CPack in a scratch directory
# and checks its control fields, the files it installs, that lintian finds nothing to warn
# about, and that the unpacked morvane-cli runs.
# Usage: check_deb_package.sh BUILD_DIR APP_ID VERSION
# shellcheck source=check_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/check_common.sh"
build=$1
app_id=$2
version=$3

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = morvane ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

# dpkg-deb -c: mode, owner, size, date, time, path.
listing=$(dpkg-deb -c "$deb")
has() {
  grep -qE "^$1 root/root +[0-9]+ [-0-9]+ [:0-9]+ \./$2\$" <<<"$listing" ||
    fail "missing $2 ($1) in:"$'\n'"$listing"
}
has -rwxr-xr-x usr/bin/morvane
has -rwxr-xr-x usr/bin/morvane-cli
has -rw-r--r-- "usr/share/applications/$app_id\.desktop"
has -rw-r--r-- "usr/share/metainfo/$app_id\.metainfo\.xml"
has -rw-r--r-- "usr/share/icons/hicolor/48x48/apps/$app_id\.png"
has -rw-r--r-- usr/share/man/man1/morvane\.1\.gz
has -rw-r--r-- usr/share/man/man1/morvane-cli\.1\.gz
has -rw-r--r-- usr/share/bash-completion/completions/morvane-cli
has -rw-r--r-- usr/share/doc/morvane/copyright
has -rw-r--r-- usr/share/doc/morvane/changelog\.gz
has -rw-r--r-- usr/share/doc/morvane/README\.md
docs=(using reading-and-rounding windows web developing)
for doc in "${docs[@]}"; do has -rw-r--r-- "usr/share/doc/morvane/docs/$doc\.md"; done
has -rw-r--r-- usr/share/doc/morvane/docs/screenshot\.png
has -rw-r--r-- usr/share/doc/morvane/docs/web-screenshot\.png
files=$(grep -c '^-' <<<"$listing")
expected=$((13 + ${#docs[@]}))
[ "$files" -eq "$expected" ] || fail "expected $expected files, the package has $files:"$'\n'"$listing"

# Debian's own judgement of the package: no error and no warning (informational tags may stay).
# lintian refuses nothing for running as root, it only says so.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(grep -v 'root privileges' "$work/lintian.log")"

# The package as installed: the program runs from where it lands, and its manual pages read.
dpkg-deb -x "$deb" "$work/root"
result=$(LC_ALL=C "$work/root/usr/bin/morvane-cli" 20 10) || fail "unpacked morvane-cli failed"
[ "$result" = " 184,756" ] || fail "unpacked morvane-cli 20 10 gave '$result'"
for page in morvane morvane-cli; do
  zcat "$work/root/usr/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>"$work/groff.log" &&
    [ ! -s "$work/groff.log" ] || fail "$page.1: $(cat "$work/groff.log")"
done
gzip -t "$work/root/usr/share/doc/morvane/changelog.gz" || fail "changelog.gz is no gzip file"
echo "PASS: $(basename "$deb") with the two programs, the desktop files, the manual pages, the"
echo "completion, the README and docs/; lintian: $(grep -vc 'root privileges' "$work/lintian.log") notes"
