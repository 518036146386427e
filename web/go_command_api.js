// Appended to the module by Emscripten (--post-js): the Go command for JavaScript strings, used
// alike by the page and by the tests under node. The module's runtime functions are in scope.

// The result text for the texts of N and K and the separators { decimal, thousands }.
Module['goCommand'] = function (nText, kText, separators) {
  const texts = [nText, kText, separators.decimal, separators.thousands];
  const sizes = texts.map(lengthBytesUTF8);
  const total = sizes.reduce((sum, size) => sum + size + 1, 0);
  const buffer = _malloc(total);
  if (buffer === 0) throw new Error('out of memory');
  try {
    const args = [];
    let at = buffer;
    texts.forEach((text, i) => {
      stringToUTF8(text, at, sizes[i] + 1);
      args.push(at, sizes[i]);
      at += sizes[i] + 1;
    });
    const result = _morvane_go_command.apply(null, args);
    if (result === 0) throw new Error('out of memory');
    try {
      return UTF8ToString(result);
    } finally {
      _free(result);
    }
  } finally {
    _free(buffer);
  }
};
