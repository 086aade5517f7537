// The module's virtual-clock runs (the frame hashes and the benchmark), for the tests and the
// benchmark only: served beside the site by the test server, never part of it. The sample set
// comes as the page gets it, the movie arriving while the demo runs.
// window.harness.render({ assets, stepMs, stopMs, capture, startMs }) and harness.benchmark({ assets,
// stepMs, stopMs }) resolve with { status, lines } (what the run printed);
// harness.movieIn tells whether the movie is all in, harness.movieWaits counts the reads that
// waited for it; harness.sha256(path) is the hash of a file of the module's;
// harness.folderWith(folder, url) makes a folder of the samples with the archive at url in place
// of theirs.
import { loadDemoModule } from './loader.js';
import { SampleSet } from './samples.js';

const printed = [];
// Opaque, as on the page.
const context2d = document.getElementById('screen').getContext('2d', { alpha: false });
const samples = new SampleSet(() => {});
const module = await loadDemoModule({
  hooks: {
    present: (rgba) => context2d.putImageData(new ImageData(rgba, 640, 480), 0, 0),
  },
  print: (text) => printed.push(text),
});
await samples.place(module.FS);

async function run(entry, types, values) {
  printed.length = 0;
  const status = await module.ccall(entry, 'number', types, values, { async: true });
  return { status, lines: printed.slice() };
}

window.harness = {
  get movieIn() { return samples.movie.complete; },
  movieWaits: 0,
  render({ assets, stepMs, stopMs, capture = '', startMs = 0 }) {
    return run('PreloRender', ['string', 'number', 'number', 'string', 'number'], [assets, stepMs, stopMs, capture, startMs]);
  },
  benchmark({ assets, stepMs, stopMs }) {
    return run('PreloBenchmark', ['string', 'number', 'number'], [assets, stepMs, stopMs]);
  },
  async folderWith(folder, url) {
    const archive = new Uint8Array(await (await fetch(url)).arrayBuffer());
    module.FS.mkdir(folder);
    module.FS.writeFile(`${folder}/Prelo.zpx`, archive);
    for (const name of ['Prelo.moz', 'Prelo.ini', 'Vuvi01.wav']) module.FS.symlink(`/samples/${name}`, `${folder}/${name}`);
  },
  async sha256(path) {
    const digest = await crypto.subtle.digest('SHA-256', module.FS.readFile(path));
    return Array.from(new Uint8Array(digest), (byte) => byte.toString(16).padStart(2, '0')).join('');
  },
};
let waiting = false;
samples.movie.onChange = () => {
  if (samples.movie.waiting && !waiting) ++window.harness.movieWaits;
  waiting = samples.movie.waiting;
};
document.getElementById('result').textContent = 'Ready.';
