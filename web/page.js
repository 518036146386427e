// SPDX-License-Identifier: GPL-3.0-or-later
// The page's behaviour, as the window's: Go on a click, on Enter in any box and on Enter on
// the button writes the Go command's text into the result box, with the separators of the
// browser's language.
'use strict';

(() => {
  const form = document.getElementById('frmAmain');
  const txtN = document.getElementById('txtN');
  const txtK = document.getElementById('txtK');
  const txtResult = document.getElementById('txtResult');
  const announcement = document.getElementById('announcement');

  // The decimal and thousands separators of the user's first language, from the same CLDR
  // data the desktop takes them from: de-DE gives "," and ".", fr-FR "," and U+202F.
  function browserSeparators() {
    const languages = navigator.languages && navigator.languages.length ? navigator.languages : [];
    const parts = new Intl.NumberFormat(languages).formatToParts(1234567.5);
    const part = (type, absent) => (parts.find((p) => p.type === type) || { value: absent }).value;
    return { decimal: part('decimal', '.'), thousands: part('group', '') };
  }

  const separators = browserSeparators();
  const module = MorvaneModule().then((instance) => {
    document.documentElement.dataset.ready = 'true';
    performance.mark('morvane-ready');
    return instance;
  });

  // The result, and as the window does, the reason for an "Error" as the result box's tooltip.
  function go(instance, nText, kText) {
    const text = instance.goCommand(nText, kText, separators);
    const reason = instance.failureReason(nText, kText, separators);
    txtResult.value = text;
    if (reason) {
      txtResult.title = reason;
    } else {
      txtResult.removeAttribute('title');
    }
    announcement.textContent = text;
  }

  // The texts are read at the click, even while the module is still loading.
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    const nText = txtN.value;
    const kText = txtK.value;
    module.then((instance) => go(instance, nText, kText));
  });

  // The reason belongs to the result it explains, not to what the user types over it.
  txtResult.addEventListener('input', () => txtResult.removeAttribute('title'));

  txtResult.focus();

  if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    navigator.serviceWorker.register('service_worker.js');
  }
})();
