// Loads the demo's WebAssembly module with its packed sample set, and tells how far the
// download has come.

// The module's data loader reports its download only as a status text, "Downloading data...
// (LOADED/TOTAL)".
function downloadProgress(status) {
  const found = /\((\d+)\/(\d+)\)/.exec(status);
  return found ? { loaded: Number(found[1]), total: Number(found[2]) } : null;
}

// Resolves with the running module, whose page hooks are `hooks` (see page_bridge.cpp);
// onProgress(loaded, total) hears the bytes of the download as they come. A module or sample set
// that cannot load (a page opened from disk rather than served, a broken download) rejects,
// including the loader's own failures, which it throws from its download's events.
export async function loadDemoModule(hooks, onProgress) {
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
      print: () => {},
      printErr: (text) => console.warn(text),
      setStatus: (status) => {
        const progress = downloadProgress(status);
        if (progress !== null) onProgress(progress.loaded, progress.total);
      },
      onAbort: (what) => reject(new Error(String(what))),
    }).then(resolve, reject);
  });
  try {
    return await Promise.race([running, failed]);
  } finally {
    window.removeEventListener('error', thrown);
  }
}
