#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders both manual pages with man, which must say nothing on standard error, and checks that
# morvane-cli's --help, its manual page and its bash completion name the same options.
# Usage: check_man_pages.sh PATH/TO/morvane-cli MAN_DIR COMPLETION_FILE
# shellcheck source=check_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/check_common.sh"
cli=$1
man_dir=$2
completion=$3

for page in morvane morvane-cli; do
  MANWIDTH=80 LC_ALL=C.UTF-8 man -l "$man_dir/$page.1" >"$work/$page.txt" 2>"$work/$page.err" ||
    fail "man $page.1: status $?"
  [ ! -s "$work/$page.err" ] || fail "man $page.1: $(cat "$work/$page.err")"
  grep -q '^NAME' "$work/$page.txt" || fail "man $page.1 rendered no NAME section"
done

# The option names of lines that begin with blanks and a dash, up to the two blanks before
# the option's text.
option_names() {
  sed -nE 's/^ +(-[^ ]*( -[^ ]*)*)( {2,}.*|)$/\1/p' | tr -d ',' | tr ' ' '\n' | sort -u
}
"$cli" --help | sed -n '/^Options:/,/^$/p' | option_names >"$work/help"
sed -n '/^OPTIONS/,/^[A-Z]/p' "$work/morvane-cli.txt" | option_names >"$work/man"
sed -nE "s/.*compgen -W '([^']*)'.*/\\1/p" "$completion" | tr ' ' '\n' | sort -u >"$work/completion"

[ -s "$work/help" ] || fail "--help lists no options"
diff -u "$work/help" "$work/man" || fail "--help and the manual page list different options"
diff -u "$work/help" "$work/completion" || fail "--help and the completion offer different options"
echo "PASS: both pages render; --help, the manual page and the completion name" $(cat "$work/help")
