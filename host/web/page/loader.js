// Loads the demo's WebAssembly module, and tells how far its download has come.
import { openDownload } from './download.js';

// Resolves with the running module, whose page hooks are `hooks` (see page_bridge.cpp) and whose
// standard output goes to print; onBytes(count) hears the module's bytes as they come, while it
// compiles. A module that cannot load (a page opened from disk rather than served, a broken
// download) rejects, including the loader's own failures, which it throws from its events.
export async function loadDemoModule({ hooks = {}, print = () => {}, onBytes = () => {} } = {}) {
  let createPreloModule;
  try {
    ({ default: createPreloModule } = await import('./prelo.js'));
  } catch (error) {
    throw new Error(`prelo.js did not load (${error.message})`);
  }
  let thrown;
  const failed = new Promise((resolve, reject) => {
    thrown = (event) => reject(event.error || new Error(event.message));
    window.addEventListener('error', thrown);
  });
  const running = new Promise((resolve, reject) => {
    createPreloModule({
      page: hooks,
      print,
      printErr: (text) => console.warn(text),
      onAbort: (what) => reject(new Error(String(what))),
      instantiateWasm(imports, receive) {
        instantiateWhileComing(imports, onBytes).then(
          ({ instance, module }) => receive(instance, module), reject);
        return {};
      },
    }).then(resolve, reject);
  });
  try {
    return await Promise.race([running, failed]);
  } finally {
    window.removeEventListener('error', thrown);
  }
}

// Compiles the module while it downloads.
async function instantiateWhileComing(imports, onBytes) {
  const body = await openDownload('prelo.wasm.gz', onBytes);
  return WebAssembly.instantiateStreaming(new Response(body, { headers: { 'Content-Type': 'application/wasm' } }), imports);
}
