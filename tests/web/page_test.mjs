// The browser page in headless Chromium, against the native build run in the same session.
// usage: node --experimental-websocket page_test.mjs CASE SITE NATIVE_RENDER ASSETS
//   CASE: frames (the frames of every scene hash as the native build's), jump (a jump key
//   restarts the music at its scene), folder (a chosen folder plays; a damaged archive shows its
//   message). Every case also fails on any error the page reports.
// Exit 77 (skipped) when the browser cannot start here.
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Browser, serve } from './browser.mjs';

const [testCase, site, nativeRender, assets] = process.argv.slice(2);
// One frame in every scene, the movie's included, on the runner's 100 ms step.
const kCaptureTimes = '2500,8000,16000,24000,31000,39000,46000,48500,53500,59000,62000,64500,80000,100000,110000,120000';
const kRenderArgs = `--step 100 --stop 121000 --capture ${kCaptureTimes}`;
const kSceneStartsMs = { Digit5: 35100, Digit8: 59000 };  // where the keys' scenes begin

function frameLines(text) {
  return text.split('\n').filter((line) => line.startsWith('frame ')).map((line) => line.split(' ').slice(1, 3).join(' '));
}

const cases = {
  async frames(page) {
    const native = frameLines(execFileSync(nativeRender, ['--assets', assets, ...kRenderArgs.split(' ')],
      { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] }));
    const web = await page.evaluate(`prelo.render('--assets /samples ${kRenderArgs}')`);
    if (web.status !== 0) throw new Error(`the render ended with status ${web.status}`);
    const browser = frameLines(web.lines.join('\n'));
    if (native.length !== kCaptureTimes.split(',').length) throw new Error(`the native build gave ${native.length} frames`);
    if (browser.join('\n') !== native.join('\n')) {
      throw new Error(`frames differ\nnative:\n${native.join('\n')}\nbrowser:\n${browser.join('\n')}`);
    }
    return `the same ${native.length} frame hashes as the native build`;
  },

  async jump(page) {
    await page.evaluate(`document.getElementById('demo-music').checked = true;
                         document.getElementById('cancel').checked = true;
                         document.getElementById('play').click(); true`);
    await page.until(`prelo.status().frames > 10 && prelo.status().musicMs !== null`, 20000, 'the demo to play');
    const before = (await page.evaluate('prelo.status()')).musicMs;
    if (before > 5000) throw new Error(`the music is at ${before} ms before any key`);
    for (const [code, startMs] of Object.entries(kSceneStartsMs)) {
      await page.pressKey(code, code.slice(-1), code.charCodeAt(code.length - 1));
      await page.until(`prelo.status().musicMs >= ${startMs} && prelo.status().musicMs < ${startMs + 3000}`, 5000,
        `the music to restart at ${startMs} ms after ${code}`);
    }
    const frames = (await page.evaluate('prelo.status()')).frames;
    await page.until(`prelo.status().frames > ${frames + 5}`, 5000, 'frames after the jumps');
    await page.pressKey('Escape', 'Escape', 0x1b);
    await page.until(`prelo.status().phase === 'ended'`, 5000, 'escape to end the demo');
    return 'keys 5 and 8 restarted the music at their scenes, escape ended the demo';
  },

  async folder(page) {
    const folder = mkdtempSync(join(tmpdir(), 'prelo-web-folder-'));
    try {
      for (const name of ['Prelo.zpx', 'PreloM.moz', 'Vuvi01.wav']) copyFileSync(join(assets, name), join(folder, name));
      const chosen = ['Prelo.zpx', 'PreloM.moz', 'Vuvi01.wav'].map((name) => join(folder, name));
      await page.setInputFiles('#files', chosen);
      await page.until(`document.getElementById('source').textContent.includes('your files')`, 5000, 'the files to be taken');
      await page.evaluate(`document.getElementById('play').click(); true`);
      await page.until(`prelo.status().frames > 20`, 20000, 'the chosen folder to play');
      // What the canvas shows: some of it lit once the first scene has faded in.
      await page.until(`prelo.status().musicMs > 3000`, 20000, 'the first scene to fade in');
      const lit = await page.evaluate(`Array.from(document.getElementById('screen').getContext('2d')
        .getImageData(0, 0, 640, 480).data).filter((value, i) => i % 4 !== 3 && value > 16).length`);
      if (lit < 1000) throw new Error(`the canvas is dark (${lit} bright channels)`);
      if ((await page.evaluate('prelo.status()')).messages.length !== 0) throw new Error('a message while playing');
      // Paused, the music clock and the picture stand still; resumed, both go on.
      await page.pressKey('Pause', 'Pause', 0x13);
      const paused = await page.evaluate('new Promise((r) => setTimeout(r, 300)).then(() => prelo.status())');
      const still = await page.evaluate('new Promise((r) => setTimeout(r, 700)).then(() => prelo.status())');
      if (still.frames !== paused.frames || Math.abs(still.musicMs - paused.musicMs) > 1) {
        throw new Error(`paused, the demo went on from ${JSON.stringify(paused)} to ${JSON.stringify(still)}`);
      }
      await page.pressKey('Pause', 'Pause', 0x13);
      await page.until(`prelo.status().frames > ${still.frames + 5} && prelo.status().musicMs > ${still.musicMs}`, 5000,
        'the demo to resume');
      await page.evaluate('prelo.stop(); true');
      await page.until(`prelo.status().phase === 'ended'`, 5000, 'the demo to end');

      writeFileSync(join(folder, 'Prelo.zpx'), 'ZPX0 this is not an index');
      await page.setInputFiles('#files', chosen);
      await page.until(`document.getElementById('message').textContent === ''`, 5000, 'the new files');
      await page.evaluate(`document.getElementById('play').click(); true`);
      await page.until(`prelo.status().phase === 'failed'`, 20000, 'the damaged archive to be refused');
      const shown = await page.evaluate(`document.getElementById('message').textContent`);
      if (!shown.includes('Prelo.zpx')) throw new Error(`the page says "${shown}"`);

      await page.setInputFiles('#files', [join(folder, 'Vuvi01.wav')]);
      await page.until(`document.getElementById('message').textContent.includes('missing')`, 5000, 'the missing files');
      // A music file that is no sound: refused before the demo starts.
      copyFileSync(join(assets, 'Prelo.zpx'), join(folder, 'Prelo.zpx'));
      writeFileSync(join(folder, 'Vuvi01.wav'), 'RIFF and nothing more');
      await page.setInputFiles('#files', chosen);
      await page.until(`document.getElementById('message').textContent === ''`, 5000, 'the damaged music');
      await page.evaluate(`document.getElementById('play').click(); true`);
      await page.until(`document.getElementById('message').textContent.includes('Vuvi01.wav is damaged')`, 10000,
        'the damaged music to be refused');

      // And the good files play again after the refusals.
      copyFileSync(join(assets, 'Vuvi01.wav'), join(folder, 'Vuvi01.wav'));
      await page.setInputFiles('#files', chosen);
      await page.until(`document.getElementById('message').textContent === ''`, 5000, 'the good files');
      await page.evaluate(`document.getElementById('play').click(); true`);
      await page.until(`prelo.status().phase === 'playing' && prelo.status().frames > 20`, 20000, 'a second play');
      return `played a chosen folder, paused and resumed; refused a damaged archive with "${shown}" and a damaged music file; played again`;
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  },
};

async function main() {
  if (!cases[testCase]) {
    console.error(`no case ${testCase}; cases: ${Object.keys(cases).join(', ')}`);
    return 2;
  }
  const launched = await Browser.launch();
  if (launched.skip) {
    console.log(`skipped: ${launched.skip}`);
    return 77;
  }
  const server = await serve(site);
  const { browser } = launched;
  try {
    const page = await browser.open(`http://127.0.0.1:${server.address().port}/`);
    await page.evaluate('prelo.ready.then(() => true)');
    const said = await cases[testCase](page);
    if (page.errors.length > 0) throw new Error(`the page reported errors:\n${page.errors.join('\n')}`);
    console.log(`ok ${testCase}: ${said}`);
    return 0;
  } catch (error) {
    console.log(`FAIL ${testCase}: ${error.message}`);
    return 1;
  } finally {
    await browser.close();
    server.close();
  }
}

process.exit(await main());
