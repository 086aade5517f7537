// The service worker (sw.js) keeps the site's files in the browser's cache, so that a second
// visit plays without a network and the page installs as an app.

// Registers the worker, once the page is playable so that its install (which fetches the page's
// own files again, the downloads being cached as they come) does not slow the first load. Where
// the browser has no workers (a site not served over https) the page simply loads from the
// network each time.
export function keepOffline() {
  navigator.serviceWorker?.register('sw.js').catch(() => {});
}

// Whether the file at url (relative to the page) is in the site's cache.
export async function isCached(url) {
  return 'caches' in window && (await caches.match(new URL(url, document.baseURI))) !== undefined;
}
