// SPDX-License-Identifier: GPL-3.0-or-later
// Appended to the module by Emscripten (--post-js): the Go command, the reason for an "Error",
// the plain number of a result and the explanation of a count, in the page's language, for
// JavaScript strings, used alike by the page and by the tests under node. The module's
// runtime functions are in scope.

// Calls the C function with each text as UTF-8 (start, length in bytes) and gives back the
// text it returns, freeing both.
function callWithTexts(cFunction, texts) {
  const sizes = texts.map(lengthBytesUTF8);
  // One byte more, so that no texts never ask for nothing (malloc may then give null).
  const buffer = _malloc(sizes.reduce((sum, size) => sum + size + 1, 1));
  if (buffer === 0) throw new Error('out of memory');
  try {
    const args = [];
    let at = buffer;
    texts.forEach((text, i) => {
      stringToUTF8(text, at, sizes[i] + 1);
      args.push(at, sizes[i]);
      at += sizes[i] + 1;
    });
    const result = cFunction.apply(null, args);
    if (result === 0) throw new Error('out of memory');
    try {
      return UTF8ToString(result);
    } finally {
      _free(result);
    }
  } finally {
    _free(buffer);
  }
}

// Stands between the sentences of a table in the one text that carries it to the module.
const SENTENCE_SEPARATOR = '\x1f';

// The result text for the texts of N and K and the separators { decimal, thousands }.
Module['goCommand'] = function (nText, kText, separators) {
  return callWithTexts(_morvane_go_command,
    [nText, kText, separators.decimal, separators.thousands]);
};

// A function of the same arguments and a table of sentences, an array in the order of
// englishSentences() (English when left out), that calls cFunction with them.
function explaining(cFunction) {
  return (nText, kText, separators, sentences = []) => callWithTexts(cFunction,
    [nText, kText, separators.decimal, separators.thousands, sentences.join(SENTENCE_SEPARATOR)]);
}

// The one-line reason for an "Error"; empty when the count succeeds.
Module['failureReason'] = explaining(_morvane_failure_reason);

// The explanation of the count, lines ending in "\n".
Module['explainText'] = explaining(_morvane_explain_text);

// The English sentences of the explanations, in the order the two functions above take them.
Module['englishSentences'] = function () {
  return callWithTexts(_morvane_english_sentences, []).split(SENTENCE_SEPARATOR);
};

// The result box's text as a plain number ("-" and digits) to copy; empty when it is no result.
Module['plainNumber'] = function (shown, separators) {
  return callWithTexts(_morvane_plain_number,
    [shown, separators.decimal, separators.thousands]);
};
