#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Types N and K into the page's boxes in headless Chromium, presses Go and reads the result box
and the reason under the window, for the table of cases of module_matches_cli.js, each case in
one of four browser languages in turn, and requires what morvane-cli prints for the same texts
in the locale of the same separators: the result text, and for an "Error" the last line of
morvane-cli --explain (where the page speaks English; in its other languages, the module's
reason in the page's sentences). A sample is typed key by key; the rest is set and submitted in
batches, through the DOM.

Usage: page_matches_cli.py PAGE_DIR MORVANE_CLI CORPUS_DIR NODE
"""

import json
import os
import subprocess
import sys
import time

from page_test import Driver, Server, check, failures

# Browser languages and the locale of morvane-cli with the same separators.
# (Chromium's de-CH groups with U+0027, morvane-cli's with U+2019.)
LANGUAGES = [("en-US", "C"), ("de-DE", "de_DE.UTF-8"), ("fr-FR", "fr_FR.UTF-8"),
             ("sv-SE", "sv_SE.UTF-8")]
RANDOM_CASES = 500
# Where in the table the typed sample is taken (its whole numbers, odd texts and random texts),
# the first case there that keys can type (a tab would move the focus).
TYPED_AT = (0, 0.75, 0.9)
# At most this many Errors of each language are explained by morvane-cli --explain, one run each.
EXPLAINED_CASES = 50

# Sets each case's texts into the boxes as input events would, submits the form as Go does and
# reads the result box, the reason line and the tooltip.
BATCH = """
const out = [];
const put = (box, text) => {
  box.value = text;
  box.dispatchEvent(new Event('input', {bubbles: true}));
};
for (const [n, k] of arguments[0]) {
  put(txtN, n);
  put(txtK, k);
  cmdGo.click();
  out.push([txtResult.value, reason.textContent, txtResult.getAttribute('title') || '']);
}
return out;"""

# The module's reason for each case, in the sentences of the page's language.
REASONS = """
const [cases, done] = arguments;
const code = document.documentElement.lang;
const column = TRANSLATIONS.languages.indexOf(code);
MorvaneModule().then((m) => {
  const rows = new Map(TRANSLATIONS.sentences.map((row) => [row[0], row[column]]));
  const sentences = m.englishSentences().map((english) => rows.get(english) || english);
  const parts = new Intl.NumberFormat(navigator.languages).formatToParts(1234567.5);
  const part = (type, absent) => (parts.find((p) => p.type === type) || {value: absent}).value;
  const separators = {decimal: part('decimal', '.'), thousands: part('group', '')};
  done(cases.map(([n, k]) => m.failureReason(n, k, separators, sentences)));
});"""


def cli_lines(cli, locale, cases):
    env = dict(os.environ, LC_ALL=locale)
    text = "".join("%s\t%s\n" % tuple(case) for case in cases)
    out = subprocess.run([cli], input=text.encode(), env=env, capture_output=True, check=True)
    return out.stdout.decode().split("\n")[:-1]


def cli_reason(cli, locale, n_text, k_text):
    env = dict(os.environ, LC_ALL=locale)
    out = subprocess.run([cli, "--explain", "--", n_text, k_text], env=env, capture_output=True)
    return out.stdout.decode().rstrip("\n").split("\n")[-1]


def compare(driver, cli, language, locale, cases):
    expected = cli_lines(cli, locale, cases)
    check(len(expected) == len(cases), "%s: morvane-cli printed %d lines for %d cases"
          % (locale, len(expected), len(cases)))
    group = driver.script("return new Intl.NumberFormat(navigator.languages).formatToParts("
                          "1234567).find((p) => p.type === 'group').value;")
    grouped = cli_lines(cli, locale, [("1234567", "1")])[0]
    check(grouped == " 1%s234%s567" % (group, group), "%s groups with %r, morvane-cli in %s "
          "prints %r: their results cannot be compared" % (language, group, locale, grouped))
    # A sample typed key by key and submitted with a click, as a user does.
    typed = [next(i for i in range(int(len(cases) * at), len(cases))
                  if all(c.isprintable() and c < "\ue000" for c in "".join(cases[i])))
             for at in TYPED_AT]
    shown = {i: [driver.go(*cases[i])] + driver.script(
        "return [reason.textContent, txtResult.getAttribute('title') || ''];") for i in typed}
    shown.update((i, row) for i, row in enumerate(driver.script(BATCH, cases)) if i not in typed)
    english = driver.script("return document.documentElement.lang;") == "en"
    driver.web.set_script_timeout(60)
    reasons = driver.web.execute_async_script(REASONS, cases)
    explained = 0
    for i, (n_text, k_text) in enumerate(cases):
        box, line, tooltip = shown[i]
        where = "%s, N %r, K %r%s" % (language, n_text, k_text, " (typed)" if i in typed else "")
        if not check(box == expected[i], "%s: the page shows %r, morvane-cli %r"
                     % (where, box, expected[i])):
            continue
        if english and box == "Error" and explained < EXPLAINED_CASES and \
                "\0" not in n_text + k_text:
            explained += 1
            want = cli_reason(cli, locale, n_text, k_text)
        else:
            want = reasons[i]
        check(line == tooltip == want and (line != "") == (box == "Error"),
              "%s: the reason reads %r, the tooltip %r, not %r" % (where, line, tooltip, want))
    return explained, len(typed)


def main():
    page_dir, cli, corpus, node = sys.argv[1:5]
    table = os.path.join(os.path.dirname(os.path.abspath(__file__)), "module_matches_cli.js")
    cases = json.loads(subprocess.run(
        [node, "-e", "process.stdout.write(JSON.stringify(require(process.argv[1]).cases("
         "process.argv[2], %d)))" % RANDOM_CASES, table, corpus],
        capture_output=True, check=True).stdout)
    server = Server(page_dir)
    driver = Driver("en-US")
    started = time.monotonic()
    try:
        agent = driver.script("return navigator.userAgent;")
        for i, (language, locale) in enumerate(LANGUAGES):
            # The browser's languages, as a user sets them, for the page opened anew.
            driver.cdp("Network.setUserAgentOverride", {"userAgent": agent,
                                                        "acceptLanguage": language})
            driver.open(server.url)
            share = cases[i::len(LANGUAGES)]
            explained, typed = compare(driver, cli, language, locale, share)
            print("%s: %d cases (%d typed), %d reasons from morvane-cli --explain"
                  % (language, len(share), typed, explained))
    finally:
        driver.quit()
        server.stop()
    print("%.1f s, %d failures" % (time.monotonic() - started, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
