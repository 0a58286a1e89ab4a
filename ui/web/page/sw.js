// ntc-beta: the page offline after its first visit. Every file of the page
// is cached when the worker installs; requests are answered from the cache,
// and from the network only for what it does not hold.
'use strict';

const CACHE = 'ntc-beta-{{version}}';
const FILES = {{files}};

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

// A new version's worker drops the caches of the old ones.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((cached) => cached || fetch(event.request)));
});
