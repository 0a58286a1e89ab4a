// ntc-beta: the page offline after its first visit. Every file of the page
// is cached when the worker installs, fetched past the browser's HTTP cache
// (a host's max-age would otherwise hand a new release the old files);
// requests are answered from the cache, and from the network only for what
// it does not hold.
'use strict';

const CACHE = 'ntc-beta-{{version}}';
const FILES = {{files}};

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' })))));
});

// A new release's worker waits while a page of the old one is open, until
// that page asks it to take over (the visitor chose to reload).
self.addEventListener('message', (event) => {
  if (event.data === 'take over') self.skipWaiting();
});

// Once in charge, it drops the caches of the old releases.
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
