// Downloads of the site's own files. The build wrote down each one's bytes and its size once
// unpacked (site_files.js), so the page shows how far they have come before any answer, and a
// file that comes in another size (a newer build on the server, an answer cut short) is refused
// rather than used. Files the site keeps gzipped (name.gz) are unpacked as they come.
import { kDownloads, kSiteVersion } from './site_files.js';

// The bytes that cross the link for these files.
export function bytesOf(names) {
  return names.reduce((sum, name) => sum + kDownloads[name].bytes, 0);
}

// A failed download; `network` when the network failed rather than the server or the file, so
// that trying again may help.
function failure(name, why, network) {
  return Object.assign(new Error(`${name} did not download: ${why}.`), { network });
}

// Where the service worker does not serve the page yet (a first visit), what it downloads goes
// into the worker's cache from here, under the worker's name for this version's cache (sw.js),
// so that nothing is downloaded twice and nothing waits for the worker.
function keepForOffline(name, response) {
  if (!('caches' in window) || navigator.serviceWorker?.controller) return;
  const copy = response.clone();
  caches.open(`prelo ${new URL('./', document.baseURI)} ${kSiteVersion}`).then((cache) => cache.put(name, copy)).catch(() => {});
}

// A stream of what reader gives, first after the chunk already taken from it.
function after(first, reader) {
  return new ReadableStream({
    start(out) { if (first !== undefined) out.enqueue(first); },
    async pull(out) {
      const { done, value } = await reader.read();
      if (done) out.close(); else out.enqueue(value);
    },
    cancel(reason) { return reader.cancel(reason); },
  });
}

// The file's own bytes as they come; onBytes(count) hears each piece that crossed the link. A
// host may have unpacked a gzipped file on the way already (some do for .gz): it is taken as it
// came, which its first bytes tell.
export async function openDownload(name, onBytes = () => {}) {
  let response;
  try {
    response = await fetch(name);
  } catch (error) {
    throw failure(name, error.message, true);
  }
  if (!response.ok) throw failure(name, `the server answered ${response.status}`, response.status >= 500);
  keepForOffline(name, response);
  const counted = response.body.pipeThrough(new TransformStream({
    transform(chunk, out) {
      onBytes(chunk.length);
      out.enqueue(chunk);
    },
  }));
  if (!name.endsWith('.gz')) return counted;
  const reader = counted.getReader();
  const { value: first } = await reader.read().catch((error) => { throw failure(name, error.message, true); });
  const stream = after(first, reader);
  return first?.[0] === 0x1f && first?.[1] === 0x8b ? stream.pipeThrough(new DecompressionStream('gzip')) : stream;
}

// Calls onChunk(chunk, offset) for each piece of the file's own bytes as it comes; resolves once
// all came.
export async function streamDownload(name, onChunk, onBytes) {
  const { size } = kDownloads[name];
  const reader = (await openDownload(name, onBytes)).getReader();
  let offset = 0;
  for (;;) {
    let piece;
    try {
      piece = await reader.read();
    } catch (error) {
      throw failure(name, error.message, true);
    }
    if (piece.done || offset + piece.value.length > size) break;
    onChunk(piece.value, offset);
    offset += piece.value.length;
  }
  if (offset !== size) {
    reader.cancel().catch(() => {});
    throw failure(name, `it is not the ${size} bytes of this version of the site (reload the page)`, false);
  }
}

// The whole file's own bytes.
export async function download(name, onBytes) {
  const bytes = new Uint8Array(kDownloads[name].size);
  await streamDownload(name, (chunk, offset) => bytes.set(chunk, offset), onBytes);
  return bytes;
}
