#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows window against the Linux morvane-cli: the texts of a few thousand cases (the
fuzzing corpora's N and K, whole and fractional numbers, odd texts) are typed into the window's
real boxes under Wine, Go is pressed, and the result box and its tooltip must read what
morvane-cli prints and, after an "Error", the last line of morvane-cli --explain, with the
separators of four languages set in the Regional settings (one process, every case).

Usage: window_matches_linux.py WINE WINDOW_CHECK_EXE LINUX_MORVANE_CLI FUZZ_CORPUS_DIR"""
import concurrent.futures
import os
import pathlib
import random
import subprocess
import sys
import tempfile

wine, check_exe, linux_cli, corpus_dir = sys.argv[1:5]
corpus_dir = pathlib.Path(corpus_dir)
if not os.access(linux_cli, os.X_OK):
    sys.exit("no Linux morvane-cli at %s: build the default preset's morvane-cli first" % linux_cli)

# The Linux locale whose separators the Regional settings take on, and those separators
# (grouping, decimal) as Windows spells them.
LANGUAGES = [("en_US.UTF-8", ",", "."), ("de_DE.UTF-8", ".", ","),
             ("fr_FR.UTF-8", "\u202f", ","), ("de_CH.UTF-8", "\u2019", ".")]


def typable(text):
    # A box holds no line breaks or tabs here (the CLI's lines use them), and at most 4096
    # characters where the CLI reads 4096 bytes: ASCII only past 1000 characters.
    return not any(c in text for c in "\t\r\n\0") and (len(text) < 1000 or text.isascii())


def cases():
    rng = random.Random(21)
    pairs = [(str(n), str(k)) for n in range(-2, 40, 3) for k in range(-2, 30, 2)]
    pairs += [("%d.%d" % (rng.randint(0, 60), rng.randint(0, 9999)),
               "%d.%d" % (rng.randint(0, 30), rng.randint(0, 99))) for _ in range(300)]
    for f in sorted((corpus_dir / "go_command").iterdir()):
        lines = f.read_bytes().decode("utf-8", "replace").split("\n")
        if len(lines) >= 4:
            pairs.append((lines[2], lines[3]))
    for f in sorted((corpus_dir / "cli_lines").iterdir()):
        for line in f.read_bytes().decode("utf-8", "replace").split("\n")[:20]:
            fields = line.split("\t")
            if len(fields) == 2:
                pairs.append((fields[0], fields[1]))
    texts = [line for f in sorted((corpus_dir / "val").iterdir())
             for line in f.read_bytes().decode("utf-8", "replace").split("\n")[:3]]
    texts += ["", " ", "abc", "2 0", "1e3", "&H1F", "-0", ".5", "5.", "1,5", "\u0661\u0662",
              "\u00a020", "20\u202f", "1\u2019000", "\U0001F600", "9" * 1200, "2\u00ad0"]
    pairs += [(rng.choice(texts), rng.choice(texts)) for _ in range(500)]
    pairs += [(rng.choice(texts), str(rng.randint(0, 12))) for _ in range(200)]
    seen = set()
    return [p for p in pairs if typable(p[0]) and typable(p[1]) and not (p in seen or seen.add(p))]


def linux(args, data, locale):
    done = subprocess.run([linux_cli] + args, input=data, capture_output=True, timeout=300,
                          env=dict(os.environ, LC_ALL=locale))
    return done.stdout.decode("utf-8")


pairs = cases()
rows = []
# Every case's box text, and the reason of 30 "Error" cases per language, spread over them: a
# process each, the slow part. The window's tooltip must be empty for the others' counts and
# set for their "Error" (the "?" row).
with concurrent.futures.ThreadPoolExecutor(4) as pool:
    for locale, grouping, decimal in LANGUAGES:
        rows.append("L\t%s\t%s" % (grouping.encode().hex(), decimal.encode().hex()))
        shown = linux([], "".join("%s\t%s\n" % p for p in pairs).encode(), locale).split("\n")
        errors = [p for p, box in zip(pairs, shown) if box == "Error"]
        explained = errors[::max(1, len(errors) // 30)]
        reasons = dict(zip(explained, pool.map(
            lambda p, locale=locale: linux(["--explain", "--", *p], b"", locale), explained)))
        for pair, box in zip(pairs, shown):
            reason = reasons[pair].rstrip("\n").split("\n")[-1] if pair in reasons else ""
            fields = [*pair, box, reason] + (["?"] if box == "Error" and not reason else [])
            rows.append("\t".join(field.encode().hex() for field in fields))

with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as table:
    table.write("\n".join(rows) + "\n")
try:
    # The table as Windows names it, on the drive Wine maps to the root.
    done = subprocess.run([wine, check_exe, "Z:" + table.name.replace("/", "\\")], timeout=600)
finally:
    os.unlink(table.name)
sys.exit(done.returncode)
