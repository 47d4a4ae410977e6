// The service worker of the page served over http(s): it keeps the files of
// a visit, so that the page opens without a network after the first one.
// scripts/web.sh fills in the files and a version that changes with them;
// a new version replaces the old files at its first visit.
const Version = 'fuzzy-werkstatt-__VERSION__';
const Files = __FILES__;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(Version).then((cache) => cache.addAll(Files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('fuzzy-werkstatt-') && n !== Version).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The kept file first (it is the one of this version); the network only for
// what was never kept. A page opened with a query ("?beispiel=lok.fuz") is
// the same page.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(Version).then(async (cache) => {
    const kept = await cache.match(request, { ignoreSearch: request.mode === 'navigate' });
    return kept || fetch(request);
  }));
});
