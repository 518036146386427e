// SPDX-License-Identifier: GPL-3.0-or-later
// The page's behaviour, as the window's: Go on a click, on Enter in any box and on Enter on
// the button writes the Go command's text into the result box, with the separators of the
// browser's language; under the window, the reason for an "Error", Copy Plain Number and Show
// Steps, in the browser's language.
'use strict';

(() => {
  const form = document.getElementById('frmAmain');
  const txtN = document.getElementById('txtN');
  const txtK = document.getElementById('txtK');
  const txtResult = document.getElementById('txtResult');
  const announcement = document.getElementById('announcement');
  const reasonLine = document.getElementById('reason');
  const cmdCopyNumber = document.getElementById('cmdCopyNumber');
  const cmdShowSteps = document.getElementById('cmdShowSteps');
  const dlgSteps = document.getElementById('dlgSteps');
  const txtSteps = document.getElementById('txtSteps');

  const languages = navigator.languages && navigator.languages.length ? navigator.languages : [];

  // The decimal and thousands separators of the user's first language, as the browser writes
  // numbers there: its data can differ from the desktop's (de-CH groups with U+0027 here).
  function browserSeparators() {
    const parts = new Intl.NumberFormat(languages).formatToParts(1234567.5);
    const part = (type, absent) => (parts.find((p) => p.type === type) || { value: absent }).value;
    return { decimal: part('decimal', '.'), thousands: part('group', '') };
  }

  // The first of the user's languages that the page speaks, English when none is; the
  // controls under the window speak it at once, the explanations once the module is there.
  const language = Math.max(0, TRANSLATIONS.languages.indexOf(languages
    .map((tag) => tag.slice(0, 2).toLowerCase())
    .find((code) => TRANSLATIONS.languages.includes(code))));
  function translate() {
    document.documentElement.lang = TRANSLATIONS.languages[language];
    ['cmdCopyNumber', 'cmdShowSteps', 'stepsTitle', 'cmdCloseSteps'].forEach((id, i) => {
      document.getElementById(id).textContent = TRANSLATIONS.controls[i][language];
    });
  }
  function sentencesOf(instance) {
    const rows = new Map(TRANSLATIONS.sentences.map((row) => [row[0], row[language]]));
    return instance.englishSentences().map((english) => rows.get(english) || english);
  }

  // Below 384 px of width the window is drawn smaller as a whole, its layout unchanged.
  function fitWidth() {
    const width = document.documentElement.clientWidth;
    const scale = width >= 384 ? 1 : Math.max(width - 4, 1) / 384;
    document.documentElement.style.setProperty('--scale', String(scale));
  }

  const separators = browserSeparators();
  // The module once it is there, with the sentences in the page's language; the commands
  // under the window are enabled only after it is.
  let loaded = null;
  let sentences = [];
  const module = MorvaneModule().then((instance) => {
    loaded = instance;
    sentences = sentencesOf(instance);
    document.documentElement.dataset.ready = 'true';
    performance.mark('morvane-ready');
    return instance;
  });
  // The texts of the last Go, which Show Steps explains.
  let lastGo = null;

  function showReason(reason) {
    reasonLine.textContent = reason;
    if (reason) {
      txtResult.title = reason;
    } else {
      txtResult.removeAttribute('title');
    }
  }

  // Copy Plain Number is offered only while the box holds a result.
  function plainNumber() {
    return loaded ? loaded.plainNumber(txtResult.value, separators) : '';
  }

  // The result, and as the window does, the reason for an "Error" as the result box's tooltip;
  // for touch screens and screen readers, the reason is written under the window and read out
  // with the result.
  function go(instance, nText, kText) {
    const text = instance.goCommand(nText, kText, separators);
    const reason = instance.failureReason(nText, kText, separators, sentences);
    txtResult.value = text;
    showReason(reason);
    announcement.textContent = reason ? text + '. ' + reason : text;
    lastGo = { nText, kText };
    cmdShowSteps.disabled = false;
    cmdCopyNumber.disabled = !plainNumber();
  }

  // The texts are read at the click, even while the module is still loading.
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    const nText = txtN.value;
    const kText = txtK.value;
    module.then((instance) => go(instance, nText, kText));
  });

  // The reason belongs to the result it explains, not to what the user types over it.
  txtResult.addEventListener('input', () => {
    showReason('');
    cmdCopyNumber.disabled = !plainNumber();
  });

  // Where the asynchronous clipboard is missing or refused, the copy command of the document.
  function copyText(text) {
    const copyCommand = () => {
      const put = (event) => {
        event.clipboardData.setData('text/plain', text);
        event.preventDefault();
      };
      document.addEventListener('copy', put, { once: true });
      document.execCommand('copy');
      document.removeEventListener('copy', put);
    };
    if (!navigator.clipboard) {
      copyCommand();
      return;
    }
    navigator.clipboard.writeText(text).catch(copyCommand);
  }

  // Within the click, as some browsers let only a user's gesture write the clipboard.
  cmdCopyNumber.addEventListener('click', () => {
    const plain = plainNumber();
    if (plain) copyText(plain);
  });

  cmdShowSteps.addEventListener('click', () => {
    if (!loaded || !lastGo) return;
    txtSteps.textContent = loaded.explainText(lastGo.nText, lastGo.kText, separators, sentences);
    dlgSteps.showModal();
    txtSteps.scrollTo(0, 0);
    txtSteps.focus();
  });

  translate();
  fitWidth();
  window.addEventListener('resize', fitWidth);
  txtResult.focus();

  if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    navigator.serviceWorker.register('service_worker.js');
  }
})();
