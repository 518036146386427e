#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""morvane-cli.exe under Wine against the Linux morvane-cli: the same output, errors and exit
status on one generated corpus, through standard input (sent to Windows with CR LF line ends),
with --raw and --strict, in English and German, on every morvane-cli fuzzing corpus file, on
marked and UTF-16 input, and for operands (non-ASCII ones too), --explain and the options;
with no digit grouping symbol, no grouping. Windows' output lines must end in CR LF, and its
help names the Regional settings. Wine reads its arguments in the Unix locale's character set, so the English runs use
C.UTF-8, which Wine takes for English (United States).

Usage: cli_matches_linux.py WINE MORVANE_CLI_EXE LINUX_MORVANE_CLI FUZZ_CORPUS_DIR"""
import os
import pathlib
import random
import subprocess
import sys

wine, windows_cli, linux_cli, corpus_dir = sys.argv[1:5]
corpus_dir = pathlib.Path(corpus_dir)
if not os.access(linux_cli, os.X_OK):
    sys.exit("no Linux morvane-cli at %s: build the default preset's morvane-cli first" % linux_cli)

ODD = ["", " ", "abc", "2 0", "20 apples", "1e3", "1.5e", "1.5e+2", "&H10", "0x10", "-5", "+5",
       "-0", "1000000000000000", "922337203685477.5807", "922337203685477.5808", "32767",
       "32766", "40000", "-32768.5", "-32769", "2.5", "7.5", ".5", "5.", "1,5", "\t20", "20\x0b",
       "\u0661\u0662", "\u00fcn\u00efcode", "1" * 5000, " " * 5000 + "10", "1\x1a2", "NaN",
       "inf", "1e400", "-1e-400", "0.00005", "0.00015", "49", "24", "48", "1e", "--5"]


def corpus_lines():
    rows = [(str(n), str(k)) for n in range(-3, 61) for k in range(-3, 61)]
    texts = ODD + [line for f in sorted((corpus_dir / "val").iterdir())
                   for line in f.read_bytes().decode("utf-8", "replace").split("\n")[:4]
                   if "\t" not in line and "\r" not in line]
    rows += [(n, k) for n in texts for k in texts[:40]]
    # The same texts every run, so a difference can be replayed.
    rng = random.Random(14)
    alphabet = "0123456789.-+eE ,x\t"
    for _ in range(3000):
        rows.append(("".join(rng.choice(alphabet) for _ in range(rng.randint(0, 12))),
                     "".join(rng.choice(alphabet.replace("\t", "")) for _ in range(rng.randint(0, 6)))))
    return ["%s\t%s" % row for row in rows] + ["no tab here", "", "7\t3\t1"]


def run(program, args, data, locale):
    environment = dict(os.environ, LC_ALL=locale)
    command = [wine, program] if program == windows_cli else [program]
    done = subprocess.run(command + args, input=data, capture_output=True, env=environment,
                          timeout=300)
    return done


failures = []
compared = 0

# The first program in a prefix starts Wine's own services, which inherit its output pipes and
# would hold them open after it ends: start them here, on no pipe of ours.
subprocess.run([wine, "cmd", "/c", "exit", "0"], stdin=subprocess.DEVNULL,
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)


def regional(thousands, decimal):
    """Sets the prefix's digit grouping and decimal symbols."""
    for name, value in (("sThousand", thousands), ("sDecimal", decimal)):
        subprocess.run([wine, "reg", "add", r"HKCU\Control Panel\International", "/v", name, "/d",
                        value, "/f"], capture_output=True, check=True,
                       env=dict(os.environ, LC_ALL="C.UTF-8"))


def compare(name, args, lines_or_bytes, locale="C.UTF-8"):
    global compared
    if isinstance(lines_or_bytes, list):
        linux_input = "".join(line + "\n" for line in lines_or_bytes).encode()
        windows_input = linux_input.replace(b"\n", b"\r\n")
        count = len(lines_or_bytes)
    else:
        linux_input = windows_input = lines_or_bytes
        count = max(1, lines_or_bytes.count(b"\n"))
    linux = run(linux_cli, args, linux_input, locale)
    windows = run(windows_cli, args, windows_input, "C.UTF-8")
    for stream in ("stdout", "stderr"):
        text = getattr(windows, stream)
        if text.replace(b"\r\n", b"").count(b"\n"):
            failures.append("%s: a %s line of Windows ends without CR" % (name, stream))
        if text.replace(b"\r\n", b"\n") != getattr(linux, stream):
            a = getattr(linux, stream).split(b"\n")
            b = text.replace(b"\r\n", b"\n").split(b"\n")
            first = next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))
            failures.append("%s: %s differs at line %d: Linux %r, Windows %r" % (
                name, stream, first + 1, a[first:first + 1], b[first:first + 1]))
    if windows.returncode != linux.returncode:
        failures.append("%s: exit status Linux %d, Windows %d" % (name, linux.returncode,
                                                                  windows.returncode))
    compared += count


lines = corpus_lines()
compare("lines", [], lines)
compare("raw lines", ["--raw"], lines)
compare("strict lines", ["--strict"], lines)
# The German separators are set in the Regional settings rather than through the locale, whose
# change Wine answers by resetting the settings for every program of the prefix.
try:
    regional(".", ",")
    compare("German lines", [], lines[:5000], "de_DE.UTF-8")
    regional("", ".")
    empty_grouping = run(windows_cli, ["20", "10"], b"", "C.UTF-8")
    if empty_grouping.stdout != b" 184756\r\n":
        failures.append("no grouping symbol: %r" % empty_grouping.stdout)
finally:
    # English (United States), which the other tests expect, whatever this run found.
    regional(",", ".")
compare("byte-order mark", [], b"\xef\xbb\xbf20\t10\n")
compare("UTF-16", [], "20\t10\r\n".encode("utf-16"))
for f in sorted((corpus_dir / "cli_lines").iterdir()):
    compare("corpus " + f.name, ["--raw"] if "raw" in f.name else [], f.read_bytes())
for args in (["20", "10"], ["-5", "3"], ["--", "-5", "3"], ["--raw", "5", "2.5"],
             ["--strict", "10 apples", "3"], ["--explain", "49", "24"],
             ["--explain", "5", "2.5"], ["--explain", "20 apples", "1e3"],
             ["--explain", "32767", "32767"], ["--explain", "abc", ""], ["--explain"],
             ["--explain", "\u00fc20", "\u00e9\u20ac"], ["--strict", "20\u00a0", "3"],
             ["--version"], ["--bogus"], ["1"], ["1", "2", "3"]):
    compare(" ".join(args), args, b"")
# The help names the Regional settings and no manual page (Windows has none), and "/?" asks
# for it too.
helps = [run(windows_cli, [option], b"", "C.UTF-8").stdout for option in ("--help", "-h", "/?")]
if len(set(helps)) != 1 or b"Regional settings" not in helps[0] or any(
        linux_only in helps[0] for linux_only in (b"LC_NUMERIC", b"morvane-cli(1)")):
    failures.append("help on Windows: %r" % helps[0][:80])

for failure in failures[:20]:
    print(failure)
print("%d cases compared, %d differences" % (compared, len(failures)))
sys.exit(1 if failures else 0)
