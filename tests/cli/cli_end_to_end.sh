#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built morvane-cli and compares its output byte for byte and its exit status.
# Usage: cli_end_to_end.sh PATH/TO/morvane-cli GROUP
set -uo pipefail
cli=$1
group=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Every case chooses its own locale; nothing may leak in from the caller's environment.
unset LANG LC_NUMERIC
export LC_ALL=C
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# check NAME STATUS EXPECTED_OUTPUT INPUT_FILE COMMAND...: runs COMMAND on INPUT_FILE and
# compares standard output exactly and the exit status.
check() {
  local name=$1 want_status=$2 want_output=$3 input=$4
  shift 4
  local status=0
  "$@" <"$input" >"$tmp/out" 2>"$tmp/err" || status=$?
  printf '%s' "$want_output" >"$tmp/want"
  if ! cmp -s "$tmp/want" "$tmp/out"; then
    fail "$name: output differs"
    echo "expected:" >&2; od -c "$tmp/want" | head -5 >&2
    echo "got:" >&2; od -c "$tmp/out" | head -5 >&2
  fi
  [ "$status" -eq "$want_status" ] || fail "$name: exit status $status, expected $want_status"
}

# Like check, and standard error must hold the text ERROR_PART.
check_errors() {
  local error_part=$1
  shift
  check "$@"
  grep -qF -- "$error_part" "$tmp/err" || fail "$1: standard error lacks '$error_part'"
}

: >"$tmp/empty"

case $group in
operands)
  check "20 10" 0 $' 184,756\n' "$tmp/empty" "$cli" 20 10
  check "48 24" 0 $' 32,247,603,683,100\n' "$tmp/empty" "$cli" 48 24
  check "49 24" 0 $'Error\n' "$tmp/empty" "$cli" 49 24
  check "5 2.5" 0 $' 8\n' "$tmp/empty" "$cli" 5 2.5
  check "raw 5 2.5" 0 $'7.875\n' "$tmp/empty" "$cli" --raw 5 2.5
  check "raw 20 10" 0 $'184756\n' "$tmp/empty" "$cli" 20 10 --raw
  check "32767 32767" 0 $'Error\n' "$tmp/empty" "$cli" 32767 32767
  check "32766 32766" 0 $' 1\n' "$tmp/empty" "$cli" 32766 32766
  check "negative N" 0 $' 1\n' "$tmp/empty" "$cli" -1 2
  check "N after --" 0 $' 1\n' "$tmp/empty" "$cli" -- -1 2
  check "de_DE" 0 $' 184.756\n' "$tmp/empty" env LC_ALL=de_DE.UTF-8 "$cli" 20 10
  # --raw writes "." and no grouping in every locale, so programs read it back as it was meant.
  check "de_DE raw" 0 $'7.875\n' "$tmp/empty" env LC_ALL=de_DE.UTF-8 "$cli" --raw 5 2.5
  check "fr_FR raw" 0 $'499500\n' "$tmp/empty" env LC_ALL=fr_FR.UTF-8 "$cli" --raw 1000 2
  check "de_CH raw" 0 $'7.875\n' "$tmp/empty" env -u LC_ALL LC_NUMERIC=de_CH.UTF-8 "$cli" --raw 5 2.5
  check_errors 'morvane-cli: K "10 apples" is not a number' \
    "strict operand" 1 $'\n' "$tmp/empty" "$cli" --strict 20 "10 apples"
  check "LANG when LC_ALL unset" 0 $' 184.756\n' "$tmp/empty" \
    env -u LC_ALL LANG=it_IT.UTF-8 "$cli" 20 10
  "$cli" --explain 49 24 >"$tmp/explain" || fail "explain 49 24: exit status $?"
  [ "$(tail -n 1 "$tmp/explain")" = "Step 24 of 24 computes the product: the running value \
30,957,699,535,776 times the factor 49 is 1,516,927,277,253,024 and so exceeds the largest value \
922,337,203,685,477.5807." ] || fail "explain 49 24: last line $(tail -n 1 "$tmp/explain")"
  [ "$("$cli" --explain 32766 32766 | grep -c '^ *[0-9,]*  ')" -eq 32767 ] ||
    fail "explain 32766 32766: not a header and 32,766 rows"
  check "version" 0 "morvane-cli ${MORVANE_VERSION_TEXT:?}"$'\n' "$tmp/empty" "$cli" --version
  check_errors "unknown option '-q'" "unknown option" 2 "" "$tmp/empty" "$cli" -q 1 2
  check_errors "got 1" "one operand" 2 "" "$tmp/empty" "$cli" 20
  "$cli" --help >"$tmp/help" 2>&1 || fail "help: exit status $?"
  grep -q '^Usage: morvane-cli' "$tmp/help" || fail "help: no usage line"
  ;;
lines)
  printf '20\t10\r\n49\t24\n5\t2.5\nabc\n\t\n48\t24' >"$tmp/in"
  check_errors "morvane-cli: line 4: expected N and K separated by a tab" \
    lines 1 $' 184,756\nError\n 8\n\n 1\n 32,247,603,683,100\n' "$tmp/in" "$cli"
  [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "lines: expected one report"
  printf '20\t10\n5\t2.5\n' >"$tmp/in"
  check "raw lines" 0 $'184756\n7.875\n' "$tmp/in" "$cli" --raw
  check "de_DE lines" 0 $' 184.756\n 8\n' "$tmp/in" env LC_ALL=de_DE.UTF-8 "$cli"
  check "no input" 0 "" "$tmp/empty" "$cli"
  printf '5\0\t2\n\xff\xfe\t\xc3\x28\n' >"$tmp/in"
  check "NUL and invalid UTF-8" 0 $' 10\n 1\n' "$tmp/in" "$cli"
  check_errors "morvane-cli: read error: Is a directory" "directory as input" 3 "" "$tmp" "$cli"
  ;;
long-lines)
  # Megabytes of digits are too large a number; megabytes of letters read as 0.
  { head -c 5000000 /dev/zero | tr '\0' '1'; printf '\t2\n'
    head -c 5000000 /dev/zero | tr '\0' 'a'; printf '\t2\n'
    printf '20\t'; head -c 5000000 /dev/zero | tr '\0' ' '; printf '10\n'; } >"$tmp/in"
  check "megabyte lines" 0 $'Error\n 0\n 1\n' "$tmp/in" "$cli"
  # A box holds 4,096 characters: blanks up to there are skipped, beyond it the K box is full.
  { printf '20\t'; head -c 4000 /dev/zero | tr '\0' ' '; printf '10\n'
    printf '20\t'; head -c 5000 /dev/zero | tr '\0' ' '; printf '10\n'; } >"$tmp/in"
  check_errors 'morvane-cli: line 2: K "                                ..." is longer than 4096 bytes' \
    "lines around a box" 1 $' 184,756\n\n' "$tmp/in" "$cli" --strict
  ;;
bounded-memory)
  # An endless line, as from /dev/zero, is read in bounded memory and still counts as a line:
  # into a file, where blocks are computed on several threads, and onto a terminal, where the
  # reader works on one (script, from the essential bsdutils, gives it a pseudo-terminal).
  # AddressSanitizer keeps freed blocks in quarantines, a global one of 256 MB and one per
  # thread, resident until full and filled at the pace the threads happen to run; without them
  # the peak is the program's own plus the shadow (no effect on other builds).
  endless_line="head -c 300000000 /dev/zero |
    ASAN_OPTIONS='${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=0:thread_local_quarantine_size_kb=0' \\
      /usr/bin/time -f %M -o '$tmp/peak' '$cli' 2>'$tmp/err'"
  for output in file terminal; do
    status=0
    if [ "$output" = file ]; then
      bash -c "$endless_line" >"$tmp/out" || status=$?
    else
      script -qec "$endless_line" /dev/null </dev/null >"$tmp/out" || status=$?
    fi
    [ "$status" -eq 1 ] || fail "zeros onto a $output: exit status $status"
    grep -qF 'line 1: expected N and K separated by a tab' "$tmp/err" ||
      fail "zeros onto a $output: no report"
    peak=$(tail -n 1 "$tmp/peak")
    [ "$peak" -le "${MORVANE_PEAK_KB:?}" ] ||
      fail "zeros onto a $output: peak resident memory $peak KB"
    echo "peak resident memory on 300 MB without a line feed, onto a $output: $peak KB"
  done
  ;;
closed-output)
  # An endless input into a reader that leaves after one line: the program must stop by
  # itself, killed by SIGPIPE or, with SIGPIPE ignored, with its write error status, quietly.
  for mode in default ignore; do
    timeout 20 bash -c '
      yes "$4" 2>/dev/null | env --$1-signal=PIPE "$2" 2>"$3/err" | head -n 1 >"$3/out"
      echo "${PIPESTATUS[1]}" >"$3/status"' _ "$mode" "$cli" "$tmp" $'20\t10'
    timeout_status=$?
    [ "$timeout_status" -eq 0 ] || fail "closed output ($mode): did not stop ($timeout_status)"
    printf ' 184,756\n' | cmp -s - "$tmp/out" || fail "closed output ($mode): first line differs"
    [ ! -s "$tmp/err" ] || fail "closed output ($mode): wrote to standard error"
    want=141
    [ "$mode" = ignore ] && want=3
    [ "$(cat "$tmp/status")" = "$want" ] ||
      fail "closed output ($mode): status $(cat "$tmp/status"), expected $want"
  done
  ;;
no-threads)
  # Where no thread can be started, every line is still computed, in order, on the one there is.
  # Large enough for the reader to hand blocks to other threads; the sanitizer's runtime must
  # stay the first library loaded.
  seq 200000 | sed 's/$/\t1/' >"$tmp/in"
  "$cli" <"$tmp/in" >"$tmp/threaded" || fail "no threads: without the shim, exit status $?"
  [ "$(tail -n 1 "$tmp/threaded")" = ' 200,000' ] ||
    fail "no threads: without the shim, the last line is '$(tail -n 1 "$tmp/threaded")'"
  asan=$(ldd "$cli" | sed -n 's/^[[:space:]]*libasan[^ ]* => \([^ ]*\).*/\1/p')
  check "no threads" 0 "$(cat "$tmp/threaded")"$'\n' "$tmp/in" \
    env LD_PRELOAD="${asan:+$asan }${MORVANE_NO_THREAD_START:?}" "$cli"
  [ ! -s "$tmp/err" ] || fail "no threads: standard error: $(head -c 200 "$tmp/err")"
  ;;
*)
  echo "unknown group $group" >&2
  exit 2
  ;;
esac

[ "$failures" -eq 0 ] || exit 1
echo "all $group cases pass"
