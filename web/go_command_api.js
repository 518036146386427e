// SPDX-License-Identifier: GPL-3.0-or-later
// Appended to the module by Emscripten (--post-js): the Go command, the reason for an "Error",
// the plain number of a result and the explanation of a count, in the page's language, for
// JavaScript strings, used alike by the page and by the tests under node; and the page's window
// session, whose rules the page follows. The module's runtime functions are in scope.

// The text a C function returned, which it leaves to the caller to free.
function takeText(result) {
  if (result === 0) throw new Error('out of memory');
  try {
    return UTF8ToString(result);
  } finally {
    _free(result);
  }
}

// Gives use() each text as UTF-8 in the module's memory, as arguments (start, length in bytes),
// and what it returns, freeing the texts after.
function withTexts(texts, use) {
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
    return use(args);
  } finally {
    _free(buffer);
  }
}

// Calls the C function with the texts and gives back the text it returns.
function callWithTexts(cFunction, texts) {
  return withTexts(texts, (args) => takeText(cFunction.apply(null, args)));
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

// Whether Copy Plain Number is offered for the result box's text.
Module['canCopyPlainNumber'] = function (shown, separators) {
  return withTexts([shown, separators.decimal, separators.thousands],
    (args) => _morvane_can_copy_plain_number.apply(null, args) === 1);
};

// The page's window session (morvane::form::Session): every Go and every edit of the result box
// goes through it, and it says what the box, its tooltip and Show Steps show.
Module['session'] = {
  // Starts it anew in the sentences given (English when left out).
  start(sentences = []) {
    withTexts([sentences.join(SENTENCE_SEPARATOR)],
      (args) => _morvane_session_start.apply(null, args));
  },
  // A Go: { boxText, reason } for the texts of N and K and the separators.
  go(nText, kText, separators) {
    const boxText = callWithTexts(_morvane_session_go,
      [nText, kText, separators.decimal, separators.thousands]);
    return { boxText, reason: this.reason() };
  },
  resultEdited() {
    _morvane_session_result_edited();
  },
  // The tooltip now, '' when none.
  reason() {
    return takeText(_morvane_session_reason());
  },
  canShowSteps() {
    return _morvane_session_can_show_steps() === 1;
  },
  // The explanation of the last Go, '' when Show Steps is not offered.
  stepsText() {
    return takeText(_morvane_session_steps_text());
  },
};
