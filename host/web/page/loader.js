// Loads the demo's WebAssembly module, and tells how far its download has come.
import { openDownload } from './download.js';

// The demo's module is built for WebAssembly SIMD, which a browser without it cannot compile. This
// module of one SIMD instruction (i8x16.splat), validated first, tells beforehand: such a browser
// is told why and downloads nothing.
const kSimdProbe = new Uint8Array([
  0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00, // "\0asm", version 1
  0x01, 0x05, 0x01, 0x60, 0x00, 0x01, 0x7b,       // one type: () -> v128
  0x03, 0x02, 0x01, 0x00,                         // one function of that type
  0x0a, 0x08, 0x01, 0x06, 0x00,                   // its body, no locals:
  0x41, 0x00, 0xfd, 0x0f, 0x0b,                   // i32.const 0, i8x16.splat, end
]);

// Resolves with the running module, whose page hooks are `hooks` (see page_bridge.cpp) and whose
// standard output goes to print; onBytes(count) hears the module's bytes as they come, while it
// compiles. A module that cannot load (a page opened from disk rather than served, a broken
// download) rejects, including the loader's own failures, which it throws from its events.
export async function loadDemoModule({ hooks = {}, print = () => {}, onBytes = () => {} } = {}) {
  if (typeof WebAssembly !== 'object' || !WebAssembly.validate(kSimdProbe)) {
    throw new Error('this browser cannot run WebAssembly SIMD, which the demo is built for; any current browser can');
  }
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
