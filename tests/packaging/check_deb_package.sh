#!/usr/bin/env bash
# Builds the Debian package of a configured and built tree with CPack in a scratch directory
# and checks its control fields and the files it installs.
# Usage: check_deb_package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1
app_id=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

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
files=$(grep -c '^-' <<<"$listing")
[ "$files" -eq 5 ] || fail "expected 5 files, the package has $files:"$'\n'"$listing"
echo "PASS: $(basename "$deb") with the two programs and the three desktop files"
