// Frames per second of every scene in headless Chromium (the module's benchmark run through
// harness.html, served beside the site: the whole demo on the virtual clock, each frame drawn
// and shown as fast as the browser can), beside the native build's scene benchmark, in one table:
// the browser's figure, the native one, and the browser's share of it, each the fastest of five
// rounds. Every scene should draw at 1,000 frames per second or more in the browser. The machine's
// load is printed with the figures, as other work on it slows both.
// usage: node --experimental-websocket bench.mjs [SITE] [NATIVE_BUILD]
//   (default build/web/site and build/native; the native column needs its scenes_bench)
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { cpus, loadavg } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { Browser, serve } from './browser.mjs';

const [site = 'build/web/site', nativeBuild = 'build/native'] = process.argv.slice(2);
const kNeededFps = 1000;
// Each side runs every scene this many times and counts its fastest: others' work on a shared
// machine slows single runs by a third (on this two-core machine the browser's own threads that
// put frames on the canvas compete for the second core too, so one round in two or three of the
// busiest scene comes out a fifth slow), and the browser's first run also compiles the module's
// busiest code a second time, optimised, while it runs.
const kRounds = 5;

function nativeFps() {
  const bench = join(nativeBuild, 'bin', 'scenes_bench');
  if (!existsSync(bench)) return null;
  const out = execFileSync(bench, ['--benchmark_filter=BM_SceneFrame', '--benchmark_min_time=0.3',
    `--benchmark_repetitions=${kRounds}`, '--benchmark_format=json'], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  const fps = new Map();
  for (const entry of JSON.parse(out).benchmarks) {
    const found = /^BM_SceneFrame\/(\d+)/.exec(entry.name);
    if (!found || entry.run_type !== 'iteration' || entry.fps === undefined) continue;
    fps.set(Number(found[1]), Math.max(fps.get(Number(found[1])) ?? 0, entry.fps));
  }
  return fps;
}

async function browserFps() {
  const launched = await Browser.launch();
  if (launched.skip) throw new Error(launched.skip);
  const server = await serve([site, dirname(fileURLToPath(import.meta.url))]);
  try {
    const page = await launched.browser.open(`http://127.0.0.1:${server.address().port}/harness.html`);
    // The movie all in first: a frame that waited for it would count the wait.
    await page.until('window.harness !== undefined && harness.movieIn', 60000, 'the module and the movie');
    const fps = new Map();
    for (let round = 0; round < kRounds; ++round) {
      const result = await page.evaluate(`harness.benchmark({ assets: '/samples', stepMs: 16, stopMs: 125000 })`);
      if (result.status !== 0) throw new Error(`the demo did not run (status ${result.status})`);
      for (const line of result.lines.filter((text) => text.startsWith('scene '))) {
        const [, scene, figure] = line.split(' ').map(Number);
        fps.set(scene, Math.max(fps.get(scene) ?? 0, figure));
      }
    }
    return fps;
  } finally {
    await launched.browser.close();
    server.close();
  }
}

const loadBefore = loadavg()[0];
const browser = await browserFps();
const native = nativeFps();
console.log(`load average ${loadBefore.toFixed(2)} before, ${loadavg()[0].toFixed(2)} after (1 minute, ${cpus().length} cores)`);
console.log(`scene  browser fps  native fps  browser / native  >= ${kNeededFps} fps in the browser`);
let allHeld = true;
for (const [scene, fps] of browser) {
  const held = fps >= kNeededFps;
  allHeld &&= held;
  const nativeFigure = native?.get(scene);
  const nativeText = native === null ? 'not built' : String(Math.round(nativeFigure ?? 0));
  const ratio = nativeFigure ? (fps / nativeFigure).toFixed(2) : '-';
  console.log(`${String(scene).padStart(5)}  ${String(fps).padStart(11)}  ${nativeText.padStart(10)}  ${ratio.padStart(16)}  ${held ? 'yes' : 'NO'}`);
}
if (native === null) console.log(`(no ${join(nativeBuild, 'bin', 'scenes_bench')}: build the native preset for the native column)`);
process.exit(allHeld ? 0 : 1);
