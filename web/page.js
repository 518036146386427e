// SPDX-License-Identifier: GPL-3.0-or-later
// The page's behaviour, as the window's: Go on a click, on Enter in any box and on Enter on
// the button writes the Go command's text into the result box, with the separators of the
// browser's language; under the window, the reason for an "Error", Copy Plain Number and Show
// Steps, in the browser's language. What each shows and offers is the module's window
// session's to say; the page only shows it.
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

  // On a screen narrower than the client area the window is drawn smaller as a whole, its
  // layout unchanged, with room for its edge on either side.
  const clientWidth = parseFloat(getComputedStyle(document.documentElement)
    .getPropertyValue('--client-width'));
  function fitWidth() {
    const width = document.documentElement.clientWidth;
    const scale = width >= clientWidth ? 1 : Math.max(width - 4, 1) / clientWidth;
    document.documentElement.style.setProperty('--scale', String(scale));
  }

  const separators = browserSeparators();
  // The module once it is there, its session speaking the page's language; the commands under
  // the window are enabled only after it is.
  let loaded = null;
  const module = MorvaneModule().then((instance) => {
    loaded = instance;
    instance.session.start(sentencesOf(instance));
    document.documentElement.dataset.ready = 'true';
    performance.mark('morvane-ready');
    return instance;
  });

  function showReason(reason) {
    reasonLine.textContent = reason;
    if (reason) {
      txtResult.title = reason;
    } else {
      txtResult.removeAttribute('title');
    }
  }

  // The commands the session offers for what the result box holds now.
  function offer() {
    cmdShowSteps.disabled = !loaded.session.canShowSteps();
    cmdCopyNumber.disabled = !loaded.canCopyPlainNumber(txtResult.value, separators);
  }

  // The result, and as the window does, the reason for an "Error" as the result box's tooltip;
  // for touch screens and screen readers, the reason is written under the window and read out
  // with the result.
  function go(nText, kText) {
    const { boxText, reason } = loaded.session.go(nText, kText, separators);
    txtResult.value = boxText;
    showReason(reason);
    announcement.textContent = reason ? boxText + '. ' + reason : boxText;
    offer();
  }

  // The texts are read at the click, even while the module is still loading; once it is
  // there, the result is in the box when the click's event ends.
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    const nText = txtN.value;
    const kText = txtK.value;
    if (loaded) {
      go(nText, kText);
    } else {
      module.then(() => go(nText, kText));
    }
  });

  // Typed into, the result box holds no Go's result any more.
  txtResult.addEventListener('input', () => {
    if (!loaded) return;
    loaded.session.resultEdited();
    showReason(loaded.session.reason());
    offer();
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
    const plain = loaded && loaded.plainNumber(txtResult.value, separators);
    if (plain) copyText(plain);
  });

  cmdShowSteps.addEventListener('click', () => {
    if (!loaded || !loaded.session.canShowSteps()) return;
    txtSteps.textContent = loaded.session.stepsText();
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
