// Keeps this version of the site for use without the network. Its files, named after their
// contents, are taken into a cache of this version when the worker is installed; every
// request of the site is then answered from that cache, the network only for what it
// lacks. A new version of the site brings a new worker (this file changes with every
// file's name), which takes its own cache and drops the older ones once it is active.
'use strict';

const kCache = '@CACHE@';
// The files of this version, relative to the worker.
const kFiles = @FILES@;
// Files whose names say nothing of their contents, fetched past the browser's cache.
const kUnnamed = new Set(@UNNAMED@);

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(kCache);
    await cache.addAll(kFiles.map((file) => new Request(file, { cache: kUnnamed.has(file) ? 'reload' : 'default' })));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name !== kCache && name.startsWith('strs-workbench-')) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(kCache);
    // A page under any query (?lang=en) is that page.
    const kept = await cache.match(request, { ignoreSearch: request.mode === 'navigate' });
    return kept || fetch(request);
  })());
});
