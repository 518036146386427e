#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the committed program icon: the PNG is 48 x 48 RGB without alpha, and the ICO holds
# exactly that one 48 x 48 24-bit image with an AND mask that leaves every pixel opaque.
# Usage: check_icon_files.sh PATH/TO/<id>   (without .png/.ico)
# shellcheck source=check_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/check_common.sh"
base=$1

png_type=$(file -b "$base.png")
[[ $png_type == "PNG image data, 48 x 48, 8-bit/color RGB,"* ]] ||
  fail "$base.png is not a 48x48 24-bit PNG: $png_type"

ico=$base.ico
# Little-endian unsigned integer of $2 bytes at offset $1.
number() { od -An -j "$1" -N "$2" -t "u$2" "$ico" | tr -d ' '; }
[ "$(number 2 2)" = 1 ] && [ "$(number 4 2)" = 1 ] || fail "$ico is not an icon file of one image"
entry="$(number 6 1)x$(number 7 1) bits=$(number 12 2)"
[ "$entry" = "48x48 bits=24" ] || fail "icon directory entry is $entry"
offset=$(number 18 4)
header="$(number "$offset" 4) $(number $((offset + 4)) 4)x$(number $((offset + 8)) 4)"
header+=" bits=$(number $((offset + 14)) 2) compression=$(number $((offset + 16)) 4)"
[ "$header" = "40 48x96 bits=24 compression=0" ] || fail "bitmap header is $header"
# 48 rows of 144 colour bytes, then 48 rows of 8 mask bytes.
size=$(stat -c %s "$ico")
[ "$size" -eq $((offset + 40 + 48 * 144 + 48 * 8)) ] || fail "$ico has $size bytes"
if tail -c $((48 * 8)) "$ico" | od -An -v -tx1 | tr -s ' \n' '\n\n' | grep -qv '^\(00\)\?$'; then
  fail "the AND mask marks pixels transparent"
fi
echo "PASS: 48x48 24-bit PNG and single-image opaque 24-bit ICO"
