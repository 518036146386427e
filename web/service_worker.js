// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page and its module for use offline. The cache is named after the build, so a new
// build installs a new worker, which fills its own cache and drops the old one.
'use strict';

const CACHE = 'morvane-@PAGE_VERSION@';
const FILES = ['./', 'index.html', 'page.css', 'page.js', 'translations.js', 'morvane.js',
  'manifest.webmanifest', 'icon.svg', 'icon.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key.startsWith('morvane-') && key !== CACHE)
      .map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

// The kept copy first: the files of one build never change.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
