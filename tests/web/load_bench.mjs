// A first visit over a slow link, in headless Chromium with its network emulated through the
// DevTools protocol (the page's and its service worker's alike; a fresh profile, so nothing is
// cached): the bytes that cross the link before the page is playable, the time until "Click to
// start" can be clicked, and until the movie is in too (the page then says it plays offline).
// usage: node --experimental-websocket load_bench.mjs [SITE] [MBIT/S] [ROUND TRIP MS]
//   (default build/web/site, 20 Mbit/s, 20 ms)
import { Browser, serve } from './browser.mjs';

const [site = 'build/web/site', mbits = '20', roundTripMs = '20'] = process.argv.slice(2);
const kConditions = {
  offline: false, latency: Number(roundTripMs), downloadThroughput: (Number(mbits) * 1e6) / 8, uploadThroughput: (Number(mbits) * 1e6) / 8,
};
const kMovie = /\/samples\/Prelo\.moz$/;

const launched = await Browser.launch();
if (launched.skip) {
  console.log(`skipped: ${launched.skip}`);
  process.exit(77);
}
const { browser } = launched;
const server = await serve([site]);

// What crossed the link, request by request: what the page fetched itself, and what its service
// worker fetched for it (the page's requests the worker answered crossed nothing themselves).
const requests = new Map();
const answeredByWorker = new Set();
function heard({ method, params, sessionId }) {
  const key = `${sessionId} ${params?.requestId}`;
  if (method === 'Network.requestWillBeSent') requests.set(key, { url: params.request.url, bytes: 0, done: false });
  if (method === 'Network.responseReceived' && params.response.fromServiceWorker) answeredByWorker.add(key);
  if (method === 'Network.dataReceived' && requests.has(key)) requests.get(key).bytes += params.encodedDataLength;
  if (method === 'Network.loadingFinished' && requests.has(key)) Object.assign(requests.get(key), { bytes: params.encodedDataLength, done: true });
}
function crossed(select) {
  return [...requests].filter(([key, request]) => !answeredByWorker.has(key) && select(request))
    .reduce((sum, [, request]) => sum + request.bytes, 0);
}

try {
  browser.listeners.push(heard);
  // Every service worker the page starts is held until it is throttled too.
  browser.listeners.push(async ({ method, params }) => {
    if (method !== 'Target.attachedToTarget') return;
    const { sessionId } = params;
    if (params.targetInfo.type === 'service_worker') {
      await browser.send('Network.enable', {}, sessionId);
      await browser.send('Network.emulateNetworkConditions', kConditions, sessionId);
    }
    await browser.send('Runtime.runIfWaitingForDebugger', {}, sessionId);
  });
  await browser.send('Target.setAutoAttach', { autoAttach: true, waitForDebuggerOnStart: true, flatten: true });
  const page = await browser.open('about:blank');
  await page.send('Network.enable');
  await page.send('Network.emulateNetworkConditions', kConditions);
  await page.send('Page.navigate', { url: `http://127.0.0.1:${server.address().port}/` });
  // Times since the navigation began, from the page's own clock.
  const whenTrue = (test) => page.evaluate(`new Promise((resolve) => {
    const look = () => ((${test})() ? resolve(performance.now()) : setTimeout(look, 5));
    look();
  })`);
  const playableMs = await whenTrue(`() => document.getElementById('play')?.textContent === 'Click to start' && !document.getElementById('play').disabled`);
  const beforePlayable = crossed((request) => !kMovie.test(request.url));
  const listed = [...requests].filter(([key, request]) => !answeredByWorker.has(key) && request.done);
  const firstByteMs = await page.evaluate(`performance.getEntriesByType('navigation')[0].responseStart`);
  const offlineMs = await whenTrue(`() => document.getElementById('offline')?.hidden === false`);
  const movie = crossed((request) => kMovie.test(request.url));
  const megabytes = (bytes) => `${(bytes / 1e6).toFixed(2)} MB`;
  console.log(`link: ${mbits} Mbit/s each way, ${roundTripMs} ms round trip; a first visit, nothing cached`);
  console.log(`before "Click to start": ${megabytes(beforePlayable)} crossed the link; the button was usable after ${(playableMs / 1000).toFixed(2)} s`);
  // The emulation's own pace, which falls short of the rate asked on a busy machine.
  console.log(`  (the link carried ${((beforePlayable * 8) / ((playableMs - firstByteMs) * 1000)).toFixed(1)} Mbit/s on average from the page's first byte until then)`);
  console.log(`then the movie: ${megabytes(movie)}; all in (and the page playable offline) after ${(offlineMs / 1000).toFixed(2)} s`);
  console.log('what had crossed when the button came on:');
  for (const [, request] of listed) console.log(`  ${String(request.bytes).padStart(9)}  ${new URL(request.url).pathname}`);
  if (page.errors.length > 0) throw new Error(`the page reported errors:\n${page.errors.join('\n')}`);
} finally {
  await browser.close();
  server.close();
}
