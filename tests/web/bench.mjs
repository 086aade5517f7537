// Frames per second of every scene in headless Chromium (the module's benchmark run through
// harness.html, served beside the site: the whole demo on the virtual clock, each frame drawn
// and shown as fast as the browser can), beside the native build's scene benchmark, in one table. Every scene must hold 60 fps with room to spare: twice that.
// usage: node --experimental-websocket bench.mjs [SITE] [NATIVE_BUILD]
//   (default build/web/site and build/native; the native column needs its scenes_bench)
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { Browser, serve } from './browser.mjs';

const [site = 'build/web/site', nativeBuild = 'build/native'] = process.argv.slice(2);
const kNeededFps = 120;

function nativeFps() {
  const bench = join(nativeBuild, 'bin', 'scenes_bench');
  if (!existsSync(bench)) return null;
  const out = execFileSync(bench, ['--benchmark_filter=BM_SceneFrame', '--benchmark_min_time=0.3', '--benchmark_format=json'],
    { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  const fps = new Map();
  for (const entry of JSON.parse(out).benchmarks) {
    const found = /^BM_SceneFrame\/(\d+)/.exec(entry.name);
    if (found && entry.fps !== undefined) fps.set(Number(found[1]), entry.fps);
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
    const result = await page.evaluate(`harness.benchmark({ assets: '/samples', stepMs: 16, stopMs: 125000 })`);
    if (result.status !== 0) throw new Error(`the demo did not run (status ${result.status})`);
    return new Map(result.lines.filter((line) => line.startsWith('scene ')).map((line) => {
      const [, scene, fps] = line.split(' ');
      return [Number(scene), Number(fps)];
    }));
  } finally {
    await launched.browser.close();
    server.close();
  }
}

const browser = await browserFps();
const native = nativeFps();
console.log('scene  browser fps  native fps  60 fps with room (>= 120 in the browser)');
let allHeld = true;
for (const [scene, fps] of browser) {
  const held = fps >= kNeededFps;
  allHeld &&= held;
  const nativeText = native === null ? 'not built' : String(Math.round(native.get(scene) ?? 0));
  console.log(`${String(scene).padStart(5)}  ${String(fps).padStart(11)}  ${nativeText.padStart(10)}  ${held ? 'yes' : 'NO'}`);
}
if (native === null) console.log(`(no ${join(nativeBuild, 'bin', 'scenes_bench')}: build the native preset for the native column)`);
process.exit(allHeld ? 0 : 1);
