// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one table of Go command cases through the WebAssembly module under node and through
// morvane-cli, in two locales, and requires the same result text on every line, and for each
// "Error" among the odd texts the same reason as the last line of morvane-cli --explain and
// the same explanation.
// Usage: node module_matches_cli.js PAGE_DIR/morvane.js PATH/TO/morvane-cli CORPUS_DIR
// Required as a module, it gives its table of cases to the page's check (page_matches_cli.py).
'use strict';

const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');

// The locales morvane-cli reads from LC_ALL, and the separators the page would pass for them.
const LOCALES = [
  { name: 'C', separators: { decimal: '.', thousands: ',' } },
  { name: 'de_DE.UTF-8', separators: { decimal: ',', thousands: '.' } },
];

// A text can stand in a line of morvane-cli's input when it has no line break; N also no tab.
// Texts that are not UTF-8 have no JavaScript string.
const utf8 = new TextDecoder('utf-8', { fatal: true });
function usable(bytes, isN) {
  let text;
  try {
    text = utf8.decode(bytes);
  } catch {
    return null;
  }
  if (/[\n\r]/.test(text) || (isN && text.includes('\t'))) return null;
  return text;
}

// The table begins with the whole numbers and ends with the random texts.
const WHOLE_CASES = 64 * 64;
const RANDOM_CASES = 20000;

// The table, with the first randomCases of the random texts.
function cases(corpusDir, randomCases = RANDOM_CASES) {
  const table = [];
  // Every whole N and K from -3 to 60: exact counts, the overflow from 49 and 24 on, K > N.
  for (let n = -3; n <= 60; n++) {
    for (let k = -3; k <= 60; k++) table.push([String(n), String(k)]);
  }
  // Fractions, exponents, blanks, signs, the ends of the ranges.
  const texts = ['5', '2.5', '-2.5', '0.5', '.5', '1e1', '1.5e', '49.99995', '1e15', '-1e15',
    '922337203685477.5807', '32766.5', '32767', '-32768.5', ' 2 0', '20 apples', '20,5', '+7',
    '-', '', 'abc', '0x10', '1e400', '1e-400', '9007199254740993', '0.1', '48', '24', '-1'];
  for (const n of texts) for (const k of texts) table.push([n, k]);
  // The fuzzing corpora: each Val text as N and as K, and each Go command case's N and K.
  for (const file of fs.readdirSync(path.join(corpusDir, 'val')).sort()) {
    const bytes = fs.readFileSync(path.join(corpusDir, 'val', file));
    const asN = usable(bytes, true);
    if (asN !== null) table.push([asN, '2']);
    const asK = usable(bytes, false);
    if (asK !== null) table.push(['30', asK]);
  }
  for (const file of fs.readdirSync(path.join(corpusDir, 'go_command')).sort()) {
    const fields = fs.readFileSync(path.join(corpusDir, 'go_command', file));
    const parts = [];
    let start = 0;
    for (let i = 0; i < fields.length && parts.length < 3; i++) {
      if (fields[i] === 0x0a) {
        parts.push(fields.subarray(start, i));
        start = i + 1;
      }
    }
    if (parts.length < 3) continue;
    const n = usable(parts[2], true);
    const k = usable(fields.subarray(start), false);
    if (n !== null && k !== null) table.push([n, k]);
  }
  // Random texts from the characters that matter to Val, from a fixed starting state, so every
  // run compares the same cases.
  let state = 20_10;
  const next = () => {
    state = (state * 1103515245 + 12345) % 2147483648;
    return state;
  };
  const alphabet = '0123456789012345678901234567890123456789.-+eE \t,x';
  const randomText = (tab) => {
    let text = '';
    for (let length = next() % 13; length > 0; length--) {
      const c = alphabet[next() % alphabet.length];
      text += c === '\t' && !tab ? ' ' : c;
    }
    return text;
  };
  for (let i = 0; i < randomCases; i++) table.push([randomText(false), randomText(true)]);
  return table;
}

module.exports = { cases };
if (require.main !== module) return;

const [modulePath, cliPath, corpusDir] = process.argv.slice(2);
if (!fs.existsSync(cliPath)) {
  console.error(`no morvane-cli at ${cliPath}: build the default preset first`);
  process.exit(1);
}
require(path.resolve(modulePath))().then((module) => {
  const table = cases(corpusDir);
  const input = table.map(([n, k]) => `${n}\t${k}\n`).join('');
  let compared = 0;
  let failures = 0;
  for (const locale of LOCALES) {
    const env = { ...process.env, LC_ALL: locale.name };
    const output = execFileSync(cliPath, [], { input, env, maxBuffer: 1 << 28 }).toString('utf8');
    const lines = output.split('\n');
    if (lines.pop() !== '' || lines.length !== table.length) {
      console.error(`${locale.name}: morvane-cli printed ${lines.length} lines for ${table.length}`);
      process.exit(1);
    }
    table.forEach(([n, k], i) => {
      const got = module.goCommand(n, k, locale.separators);
      compared++;
      if (got !== lines[i] && ++failures <= 20) {
        console.error(`${locale.name}: N ${JSON.stringify(n)}, K ${JSON.stringify(k)}: ` +
          `module ${JSON.stringify(got)}, morvane-cli ${JSON.stringify(lines[i])}`);
      }
    });
  }
  // The reason for each "Error" of the odd texts and the corpus, against the last line of
  // morvane-cli --explain (one run per case), the whole explanation against its output, and
  // no reason for a count.
  let reasons = 0;
  for (const locale of LOCALES) {
    const env = { ...process.env, LC_ALL: locale.name };
    table.forEach(([n, k], i) => {
      const reason = module.failureReason(n, k, locale.separators);
      const failed = module.goCommand(n, k, locale.separators) === 'Error';
      if (failed !== (reason !== '') && ++failures <= 20) {
        console.error(`${locale.name}: N ${JSON.stringify(n)}, K ${JSON.stringify(k)}: ` +
          `reason ${JSON.stringify(reason)} for a result that ${failed ? 'failed' : 'succeeded'}`);
      }
      // Operands hold no NUL; the whole numbers and the random texts would only repeat.
      const odd = i >= WHOLE_CASES && i < table.length - RANDOM_CASES;
      if (!failed || !odd || (n + k).includes('\0')) return;
      const explained = execFileSync(cliPath, ['--explain', '--', n, k],
        { env, maxBuffer: 1 << 28 }).toString('utf8');
      const lastLine = explained.replace(/\n$/, '').split('\n').pop();
      reasons++;
      if (reason !== lastLine && ++failures <= 20) {
        console.error(`${locale.name}: N ${JSON.stringify(n)}, K ${JSON.stringify(k)}: module ` +
          `reason ${JSON.stringify(reason)}, morvane-cli ${JSON.stringify(lastLine)}`);
      }
      if (module.explainText(n, k, locale.separators) !== explained && ++failures <= 20) {
        console.error(`${locale.name}: N ${JSON.stringify(n)}, K ${JSON.stringify(k)}: the ` +
          'module explains otherwise than morvane-cli --explain');
      }
    });
  }
  console.log(`${compared} cases compared (${table.length} in each of ${LOCALES.length} ` +
    `locales), ${reasons} reasons for an Error compared, ${failures} differ`);
  process.exit(failures === 0 ? 0 : 1);
});
