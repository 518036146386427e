#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the Windows string tables and the web page's translation table from the Qt window's
translations (window/translations/morvane_LANGUAGE.ts), so that a translator edits one file per
language. English is each message's source text, as the Qt window shows it. A message with no
translation shows its source text, as in the Qt window.

The explanation's sentences are the messages of the context morvane::Explanation, in the order
of the English table that marks them for lupdate (SENTENCES_CPP, go_command/explain_sentences.cpp,
in the order of morvane::Sentence), not in the .ts files' order: lupdate moves a reworded message
to the end of its context, which would renumber the Windows sentences. The window's other texts
come from the context morvane::frmAmain, picked by their source text.

Usage:
  translation_tables.py rc SENTENCES_CPP OUT ID=SOURCE... -- TS...
      an rc fragment: per language a STRINGTABLE with each SOURCE under its ID and sentence i
      under 1000 + i
  translation_tables.py js SENTENCES_CPP TEMPLATE OUT SOURCE... -- TS...
      TEMPLATE with @LANGUAGES@, @WINDOW_TEXTS@ (one row per SOURCE, without its mnemonic '&')
      and @SENTENCES@ (rows keyed by the English sentence) replaced"""
import json
import re
import sys
import xml.etree.ElementTree as ElementTree

SENTENCES = "morvane::Explanation"
WINDOW = "morvane::frmAmain"
FIRST_SENTENCE = 1000
# LANGUAGE statements: primary and sub-language of each language a .ts file may be written in.
RC_LANGUAGES = {"en": (0x09, 0x1), "it": (0x10, 0x1), "de": (0x07, 0x1), "fr": (0x0C, 0x1)}


class Translations:
    """One .ts file: its language and its translations by context and source text."""

    def __init__(self, path):
        root = ElementTree.parse(path).getroot()
        self.path = path
        self.language = root.get("language", "").split("_")[0]
        self.order = {}
        self.texts = {}
        for context in root.iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                translation = message.find("translation")
                if translation is not None and translation.get("type") in ("obsolete", "vanished"):
                    continue
                if message.get("numerus") == "yes":
                    sys.exit("%s: plural forms are not written into the tables" % path)
                source = message.findtext("source")
                self.order.setdefault(name, []).append(source)
                text = translation.text if translation is not None else None
                self.texts[(name, source)] = text or source

    def text(self, context, source):
        return self.texts.get((context, source), source)


# QT_TRANSLATE_NOOP("morvane::Explanation", "text" "more text"): the text's string literals.
NOOP = re.compile(r'QT_TRANSLATE_NOOP\(\s*"%s"\s*,((?:\s*"(?:[^"\\]|\\.)*")+)\s*\)'
                  % re.escape(SENTENCES))
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


def c_literal(text):
    def escape(match):
        if match.group(1) not in ESCAPES:
            sys.exit("an escape the tables do not read: \\%s" % match.group(1))
        return ESCAPES[match.group(1)]
    return re.sub(r"\\(.)", escape, text)


def sentence_order(path, first):
    """The English sentences in the order of the table in path, each one present in the .ts."""
    with open(path, encoding="utf-8") as stream:
        code = stream.read()
    order = ["".join(c_literal(literal) for literal in LITERAL.findall(match.group(1)))
             for match in NOOP.finditer(code)]
    if not order:
        sys.exit("%s: no sentences marked for lupdate" % path)
    for source in order:
        if (SENTENCES, source) not in first.texts:
            sys.exit("%s: %r is not in %s; run the update_translations target"
                     % (path, source, first.path))
    return order


def window_sources(first, sources):
    for source in sources:
        if (WINDOW, source) not in first.texts:
            sys.exit("%s: the window has no text %r" % (first.path, source))
    return sources


def without_mnemonic(text):
    return re.sub(r"&(.)", r"\1", text)


def rc_string(text):
    if re.search(r"[\x00-\x08\x0b-\x1f]", text):
        sys.exit("a control character in %r" % text)
    escaped = text.replace("\\", "\\\\").replace('"', '""')
    return '"%s"' % escaped.replace("\n", "\\n").replace("\t", "\\t")


def js_string(text):
    # JSON's strings are JavaScript's; U+2028 and U+2029 end a line in older engines.
    return json.dumps(text, ensure_ascii=False).replace("\u2028", "\\u2028").replace(
        "\u2029", "\\u2029")


def js_row(texts, indent):
    return "%s[%s]," % (indent, ", ".join(js_string(text) for text in texts))


def write_rc(sentences, out, pairs, files):
    first = files[0]
    ids = []
    for pair in pairs:
        number, _, source = pair.partition("=")
        ids.append((int(number), source))
    window_sources(first, [source for _, source in ids])
    lines = ["// Generated from the window's translations by cmake/translation_tables.py.",
             "#pragma code_page(65001)"]
    for language, text in [("en", lambda context, source: source)] + [
            (f.language, f.text) for f in files]:
        if language not in RC_LANGUAGES:
            sys.exit("no Windows language for %r" % language)
        lines += ["", "LANGUAGE 0x%02X, 0x%X" % RC_LANGUAGES[language], "STRINGTABLE", "BEGIN"]
        lines += ["  %d, %s" % (number, rc_string(text(WINDOW, source))) for number, source in ids]
        lines += ["  %d, %s" % (FIRST_SENTENCE + i, rc_string(text(SENTENCES, source)))
                  for i, source in enumerate(sentences)]
        lines.append("END")
    with open(out, "w", encoding="utf-8", newline="\n") as stream:
        stream.write("\n".join(lines) + "\n")


def write_js(sentences, template, out, sources, files):
    first = files[0]
    languages = ["en"] + [f.language for f in files]
    window = [js_row([without_mnemonic(source)] +
                     [without_mnemonic(f.text(WINDOW, source)) for f in files], "    ")
              for source in window_sources(first, sources)]
    sentences = [js_row([source] + [f.text(SENTENCES, source) for f in files], "    ")
                 for source in sentences]
    with open(template, encoding="utf-8") as stream:
        text = stream.read()
    text = text.replace("@LANGUAGES@", ", ".join(js_string(code) for code in languages))
    text = text.replace("    @WINDOW_TEXTS@", "\n".join(window))
    text = text.replace("    @SENTENCES@", "\n".join(sentences))
    with open(out, "w", encoding="utf-8", newline="\n") as stream:
        stream.write(text)


def main(args):
    if "--" not in args or len(args) < 2:
        sys.exit(__doc__)
    split = args.index("--")
    head, files = args[:split], [Translations(path) for path in args[split + 1:]]
    if not files:
        sys.exit("no .ts files")
    if len(head) < 3 or head[0] not in ("rc", "js"):
        sys.exit(__doc__)
    sentences = sentence_order(head[1], files[0])
    if head[0] == "rc":
        write_rc(sentences, head[2], head[3:], files)
    else:
        write_js(sentences, head[2], head[3], head[4:], files)


if __name__ == "__main__":
    main(sys.argv[1:])
