// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// The page's service worker: it keeps the page's own files, so that a player
// who has opened the page once can play again with no network. The build
// writes in the version (a hash of the files) and their list. A worker
// serves only its own version's files for as long as its pages are open,
// so a page never runs a mix of old and new ones: a new version takes over
// once every page of the old one has closed.
'use strict';

// Caches belong to the server, not to the folder: the folder's address in
// the name keeps another copy of the page on the same server apart.
const ours = `varnel ${self.registration.scope} `;
const cacheName = `${ours}@VARNEL_VERSION@`;
const files = '@VARNEL_FILES@'.split(' ');

self.addEventListener('install', (event) => {
    // 'reload': the files as the server has them now, not as the browser's
    // own HTTP cache kept them from before.
    event.waitUntil(caches.open(cacheName).then(
        (cache) => cache.addAll(files.map((file) => new Request(file, {cache: 'reload'})))));
});

// The first page, opened before the worker was there, is made of this
// version's files too: the worker takes it over at once. This folder's
// other versions go.
self.addEventListener('activate', (event) => {
    const old = (names) => names.filter((name) => name.startsWith(ours) && name !== cacheName);
    event.waitUntil(caches.keys()
                        .then((names) => Promise.all(old(names).map((name) => caches.delete(name))))
                        .then(() => self.clients.claim()));
});

// The page's own files from this version's cache, the folder's address
// (where the installed app starts) included, whatever query a link to the
// page carries; anything else from the network.
self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope))
        return;
    event.respondWith(caches.open(cacheName)
                          .then((cache) => cache.match(request, {ignoreSearch: request.mode === 'navigate'}))
                          .then((kept) => kept || fetch(request)));
});
