// Keeps every file of the page, so that once opened it opens and computes
// with no network. The cache's name changes with the files' contents: a new
// build replaces the old files at its first load online.
const CACHE = 'spring-buffer-calculator-@SBC_WEB_VERSION@';
const FILES = [@SBC_WEB_FILES@];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(name => name !== CACHE).map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The kept copy first; the network only for what was never kept.
self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(CACHE)
    .then(cache => cache.match(event.request, { ignoreSearch: true }))
    .then(kept => kept || fetch(event.request)));
});
