// SPDX-License-Identifier: GPL-3.0-or-later
// Appended to the module by Emscripten (--post-js): the Go command and the reason for an
// "Error", for JavaScript strings, used alike by the page and by the tests under node. The
// module's runtime functions are in scope.

// Calls the C function with each text as UTF-8 (start, length in bytes) and gives back the
// text it returns, freeing both.
function callWithTexts(cFunction, texts) {
  const sizes = texts.map(lengthBytesUTF8);
  const buffer = _malloc(sizes.reduce((sum, size) => sum + size + 1, 0));
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

// The result text for the texts of N and K and the separators { decimal, thousands }.
Module['goCommand'] = function (nText, kText, separators) {
  return callWithTexts(_morvane_go_command,
    [nText, kText, separators.decimal, separators.thousands]);
};

// The one-line reason for an "Error" with the same arguments; empty when the count succeeds.
Module['failureReason'] = function (nText, kText, separators) {
  return callWithTexts(_morvane_failure_reason,
    [nText, kText, separators.decimal, separators.thousands]);
};
