#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keeps the one text of the rules of reading and rounding, docs/reading-and-rounding.md, and
# what else says them in step: morvane-cli gives every result of its examples table, both
# rendered manual pages say each of its paragraphs word for word, and --help points to it.
# Usage: check_reading_and_rounding.sh PATH/TO/morvane-cli MAN_DIR DOC
# shellcheck source=check_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/check_common.sh"
cli=$1
man_dir=$2
doc=$3

# The examples: rows "| `N` | `K` | `RESULT` | why |"; the result keeps its leading space.
# shellcheck disable=SC2016 # the backticks are Markdown's, matched literally
code_cell() { sed -E 's/^ *`(.*)` *$/\1/' <<<"$1"; }
rows=0
while IFS='|' read -r _ n k result _; do
  n=$(code_cell "$n")
  k=$(code_cell "$k")
  result=$(code_cell "$result")
  got=$(LC_ALL=C "$cli" -- "$n" "$k") || fail "morvane-cli -- '$n' '$k': status $?"
  [ "$got" = "$result" ] || fail "the example N '$n', K '$k' says '$result', morvane-cli gives '$got'"
  rows=$((rows + 1))
done < <(grep -E '^\| `' "$doc")
[ "$rows" -ge 10 ] || fail "only $rows example rows read from $doc"

# The paragraphs after the first "## " heading, without headings, table rows and Markdown
# marks, one a line, with the signs man writes in ASCII in the C locale.
# shellcheck disable=SC1112 # the typographic apostrophe is one of the signs replaced
sed -n '/^## /,$p' "$doc" | grep -vE '^(#|\|)' |
  sed -E 's/\[([^]]*)\]\([^)]*\)/\1/g; s/\*\*|`//g; s/−/-/g; s/±/+-/g; s/≤/<=/g; s/’/'"'"'/g' |
  awk 'NF { printf "%s%s", (p ? " " : ""), $0; p = 1; next } p { print ""; p = 0 } END { if (p) print "" }' |
  tr -s ' ' >"$work/paragraphs"
paragraphs=$(wc -l <"$work/paragraphs")
[ "$paragraphs" -ge 5 ] || fail "only $paragraphs paragraphs read from $doc"

# Each page rendered wide enough that no paragraph is broken or hyphenated, as one line.
for page in morvane morvane-cli; do
  MANWIDTH=2000 LC_ALL=C man -l "$man_dir/$page.1" 2>/dev/null | col -b | tr -s ' \n' '  ' \
    >"$work/$page.txt"
  while IFS= read -r paragraph; do
    grep -qF -- "$paragraph" "$work/$page.txt" ||
      fail "$page.1 does not say, from $(basename "$doc"): $paragraph"
  done <"$work/paragraphs"
done

"$cli" --help | grep -q "docs/$(basename "$doc")" || fail "--help does not point to $(basename "$doc")"
echo "PASS: $rows examples give their results; morvane(1) and morvane-cli(1) say the" \
  "$paragraphs paragraphs; --help points to $(basename "$doc")"
